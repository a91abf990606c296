// Token-by-token copy of an XML part. Namespace processing is off, so names and namespace
// declarations travel as the text they were; the parts are read again by a namespace-aware parser.
#include "copiaxml.h"

#include "core/erros.h"

namespace corvel {

CopiaXml::CopiaXml(const QByteArray& xml) : leitor_(xml), escritor_(&saida_) {
    leitor_.setNamespaceProcessing(false);
}

bool CopiaXml::avancar() {
    if (leitor_.tokenType() == QXmlStreamReader::EndElement) --profundidade_;
    if (leitor_.atEnd()) return false;
    switch (leitor_.readNext()) {
    case QXmlStreamReader::StartElement:
        ++profundidade_;
        return true;
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
    case QXmlStreamReader::Invalid:
        throw ErroArquivo(QStringLiteral("XML danificado: %1").arg(leitor_.errorString()));
    case QXmlStreamReader::EndDocument:
        escritor_.writeEndDocument();
        return false;
    default:
        return true;
    }
}

bool CopiaXml::abre(QStringView nome) const {
    return leitor_.isStartElement() && leitor_.name() == nome;
}
bool CopiaXml::fecha(QStringView nome) const {
    return leitor_.isEndElement() && leitor_.name() == nome;
}

QString CopiaXml::prefixo() const {
    const QStringView q = leitor_.qualifiedName();
    return q.left(q.size() - leitor_.name().size()).toString();
}

QString CopiaXml::atributo(QStringView nome) const {
    for (const QXmlStreamAttribute& a : leitor_.attributes())
        if (a.qualifiedName() == nome) return a.value().toString();
    return {};
}

void CopiaXml::copiar() {
    switch (leitor_.tokenType()) {
    case QXmlStreamReader::StartDocument:
        // Reported for a document without a declaration too; it then gets none.
        if (!leitor_.documentVersion().isEmpty())
            escritor_.writeStartDocument(leitor_.documentVersion().toString(),
                                         leitor_.isStandaloneDocument());
        break;
    case QXmlStreamReader::StartElement:
        abrirComo(leitor_.attributes());
        break;
    case QXmlStreamReader::EndElement:
        escritor_.writeEndElement();
        break;
    case QXmlStreamReader::Characters:
        if (leitor_.isCDATA())
            escritor_.writeCDATA(leitor_.text().toString());
        else
            escritor_.writeCharacters(leitor_.text().toString());
        break;
    case QXmlStreamReader::ProcessingInstruction:
        escritor_.writeProcessingInstruction(leitor_.processingInstructionTarget().toString(),
                                             leitor_.processingInstructionData().toString());
        break;
    default: // comments carry nothing a reader of cells needs
        break;
    }
}

void CopiaXml::abrirComo(const QXmlStreamAttributes& atributos) {
    escritor_.writeStartElement(leitor_.qualifiedName().toString());
    for (const QXmlStreamAttribute& a : atributos)
        escritor_.writeAttribute(a.qualifiedName().toString(), a.value().toString());
}

} // namespace corvel

// An XML document copied token by token, names, prefixes and namespace declarations as written, so
// that a caller can change the few elements it cares about and leave the rest of the part as it
// was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace corvel {

class CopiaXml {
  public:
    explicit CopiaXml(const QByteArray& xml);
    CopiaXml(const CopiaXml&) = delete;
    CopiaXml& operator=(const CopiaXml&) = delete;

    // Reads the next token; false at the end of the document. Throws ErroArquivo on malformed XML
    // and on a document type declaration, which no workbook part carries.
    bool avancar();
    const QXmlStreamReader& leitor() const { return leitor_; }
    QXmlStreamWriter& escritor() { return escritor_; }
    // Elements open at the current token, the current one included (the root element is at 1).
    int profundidade() const { return profundidade_; }
    // The current token opens (closes) an element of this local name, whatever its prefix.
    bool abre(QStringView nome) const;
    bool fecha(QStringView nome) const;
    // Prefix of the current element's name with its colon ("x:"), or empty.
    QString prefixo() const;
    QString atributo(QStringView nome) const;

    // Writes the current token as it was read.
    void copiar();
    // Writes the current start element with other attributes.
    void abrirComo(const QXmlStreamAttributes& atributos);
    // The document written so far (all of it once avancar has returned false).
    const QByteArray& resultado() const { return saida_; }

  private:
    QXmlStreamReader leitor_;
    QByteArray saida_;
    QXmlStreamWriter escritor_;
    int profundidade_ = 0;
};

} // namespace corvel

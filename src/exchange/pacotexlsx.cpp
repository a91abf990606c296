// Rewrites an .xlsx package for the spreadsheet library: it resolves every relationship target
// against the source part's folder, so an absolute one points nowhere, and it skips cells of type
// inlineStr. Only the parts that need it are rewritten; the rest stay byte for byte.
#include "pacotexlsx.h"

#include "copiaxml.h"
#include "core/erros.h"

#include <map>

namespace corvel {

namespace {

struct Relacao {
    QString tipo;
    QString parte; // the target as a part name, without the leading "/"
};

QString pastaDe(const QString& parte) {
    return parte.left(parte.lastIndexOf(u'/') + 1);
}

// "xl/_rels/workbook.xml.rels" relates "xl/workbook.xml", whose folder is "xl/"; "_rels/.rels"
// relates the package, at its root.
std::optional<QString> pastaDaOrigem(const QString& rels) {
    const qsizetype i = rels.lastIndexOf(QStringLiteral("_rels/"));
    if (!rels.endsWith(QStringLiteral(".rels")) || i < 0 || (i > 0 && rels[i - 1] != u'/') ||
        rels.indexOf(u'/', i + 6) >= 0)
        return std::nullopt;
    return rels.left(i);
}

QString relacoesDe(const QString& parte) {
    return pastaDe(parte) + QStringLiteral("_rels/") + parte.mid(pastaDe(parte).size()) +
           QStringLiteral(".rels");
}

QString resolver(const QString& pasta, const QString& alvo) {
    const QString caminho = alvo.startsWith(u'/') ? alvo.mid(1) : pasta + alvo;
    QStringList partes;
    for (const QString& p : caminho.split(u'/')) {
        if (p == QStringLiteral("..")) {
            if (!partes.isEmpty()) partes.removeLast();
        } else if (p != QStringLiteral(".")) {
            partes.push_back(p);
        }
    }
    return partes.join(u'/');
}

// The part name as seen from `pasta`: "xl/worksheets/sheet1.xml" from "xl/" is
// "worksheets/sheet1.xml", and "docProps/app.xml" from "xl/" is "../docProps/app.xml".
QString relativo(const QString& pasta, const QString& parte) {
    const QStringList de = pasta.split(u'/', Qt::SkipEmptyParts);
    const QStringList para = parte.split(u'/');
    qsizetype comum = 0;
    while (comum < de.size() && comum + 1 < para.size() && de[comum] == para[comum])
        ++comum;
    QString r;
    for (qsizetype i = comum; i < de.size(); ++i)
        r += QStringLiteral("../");
    return r + para.mid(comum).join(u'/');
}

bool tipoTermina(const Relacao& r, QStringView nome) {
    const qsizetype barra = r.tipo.size() - nome.size() - 1;
    return barra >= 0 && r.tipo[barra] == u'/' && r.tipo.endsWith(nome);
}

// The relationships of one part, its absolute targets made relative in the member.
std::vector<Relacao> lerRelacoes(MembroZip& m, const QString& pasta, bool& mudouAlgum) {
    std::vector<Relacao> relacoes;
    CopiaXml x(m.dados);
    bool mudou = false;
    while (x.avancar()) {
        if (!x.abre(u"Relationship") || x.atributo(u"TargetMode") == QStringLiteral("External")) {
            x.copiar();
            continue;
        }
        QXmlStreamAttributes atributos;
        for (const QXmlStreamAttribute& a : x.leitor().attributes()) {
            QString valor = a.value().toString();
            if (a.qualifiedName() == QStringLiteral("Target")) {
                relacoes.push_back({x.atributo(u"Type"), resolver(pasta, valor)});
                if (valor.startsWith(u'/')) {
                    valor = relativo(pasta, relacoes.back().parte);
                    mudou = true;
                }
            }
            atributos.append(a.qualifiedName().toString(), valor);
        }
        x.abrirComo(atributos);
    }
    if (mudou) m.dados = x.resultado();
    mudouAlgum = mudouAlgum || mudou;
    return relacoes;
}

void escreverTexto(QXmlStreamWriter& w, const QString& prefixo, const QString& texto) {
    w.writeStartElement(prefixo + QStringLiteral("si"));
    w.writeStartElement(prefixo + QStringLiteral("t"));
    w.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    w.writeCharacters(texto);
    w.writeEndElement();
    w.writeEndElement();
}

// Each inlineStr cell of a sheet becomes a shared-string cell numbered from `primeiro` on; its
// text (the runs of its <is>, without phonetic readings) goes to `novos`.
QByteArray textosParaCompartilhados(const QByteArray& folha, qint64 primeiro, QStringList& novos) {
    CopiaXml x(folha);
    while (x.avancar()) {
        if (!x.abre(u"c") || x.atributo(u"t") != QStringLiteral("inlineStr")) {
            x.copiar();
            continue;
        }
        const QString prefixo = x.prefixo();
        QXmlStreamAttributes atributos;
        for (const QXmlStreamAttribute& a : x.leitor().attributes())
            if (a.qualifiedName() == QStringLiteral("t"))
                atributos.append(QStringLiteral("t"), QStringLiteral("s"));
            else
                atributos.append(a);
        x.abrirComo(atributos);
        const int celula = x.profundidade();
        QString texto;
        bool temTexto = false, emT = false;
        int fonetica = 0; // depth of an open <rPh>, whose text is a reading aid, not the value
        while (x.avancar() && !(x.leitor().isEndElement() && x.profundidade() == celula)) {
            if (x.abre(u"is"))
                temTexto = true;
            else if (x.abre(u"rPh") && fonetica == 0)
                fonetica = x.profundidade();
            else if (x.leitor().isEndElement() && x.profundidade() == fonetica)
                fonetica = 0;
            else if (x.abre(u"t") || x.fecha(u"t"))
                emT = x.abre(u"t");
            else if (x.leitor().isCharacters() && emT && fonetica == 0)
                texto += x.leitor().text();
        }
        if (temTexto) {
            x.escritor().writeTextElement(prefixo + QStringLiteral("v"),
                                          QString::number(primeiro + novos.size()));
            novos.push_back(texto);
        }
        x.escritor().writeEndElement();
    }
    return x.resultado();
}

qint64 contarTextos(const QByteArray& tabela) {
    CopiaXml x(tabela);
    qint64 n = 0;
    while (x.avancar())
        n += x.abre(u"si") && x.profundidade() == 2;
    return n;
}

// Copies a part and writes `extra` just before its root element closes; `raiz` may change the
// root's attributes.
template <class Extra, class Raiz>
QByteArray acrescentarNaRaiz(const QByteArray& xml, Extra extra, Raiz raiz) {
    CopiaXml x(xml);
    while (x.avancar()) {
        if (x.leitor().isStartElement() && x.profundidade() == 1)
            raiz(x);
        else if (x.leitor().isEndElement() && x.profundidade() == 1)
            extra(x.escritor(), x.prefixo());
        if (!(x.leitor().isStartElement() && x.profundidade() == 1)) x.copiar();
    }
    return x.resultado();
}

QByteArray acrescentarTextos(const QByteArray& tabela, const QStringList& novos) {
    return acrescentarNaRaiz(
        tabela,
        [&](QXmlStreamWriter& w, const QString& prefixo) {
            for (const QString& t : novos)
                escreverTexto(w, prefixo, t);
        },
        [&](CopiaXml& x) {
            // The counts, where given, grow with the texts added.
            QXmlStreamAttributes atributos;
            for (const QXmlStreamAttribute& a : x.leitor().attributes()) {
                bool ok = false;
                const qint64 n = a.value().toLongLong(&ok);
                if (ok && (a.qualifiedName() == QStringLiteral("count") ||
                           a.qualifiedName() == QStringLiteral("uniqueCount")))
                    atributos.append(a.qualifiedName().toString(),
                                     QString::number(n + novos.size()));
                else
                    atributos.append(a);
            }
            x.abrirComo(atributos);
        });
}

QByteArray novaTabela(const QString& espaco, const QStringList& textos) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeStartElement(QStringLiteral("sst"));
    w.writeAttribute(QStringLiteral("xmlns"), espaco);
    w.writeAttribute(QStringLiteral("count"), QString::number(textos.size()));
    w.writeAttribute(QStringLiteral("uniqueCount"), QString::number(textos.size()));
    for (const QString& t : textos)
        escreverTexto(w, QString(), t);
    w.writeEndDocument();
    return xml;
}

} // namespace

bool normalizarXlsx(std::vector<MembroZip>& membros) {
    std::map<QString, std::size_t> indice;
    for (std::size_t i = 0; i < membros.size(); ++i)
        indice.emplace(QString::fromUtf8(membros[i].nome), i);
    auto membro = [&](const QString& parte) -> MembroZip* {
        const auto i = indice.find(parte);
        return i == indice.end() ? nullptr : &membros[i->second];
    };

    bool mudou = false;
    std::map<QString, std::vector<Relacao>> relacoes; // by relationships part
    for (const auto& [nome, i] : indice)
        if (const auto pasta = pastaDaOrigem(nome))
            relacoes[nome] = lerRelacoes(membros[i], *pasta, mudou);

    QString livro;
    for (const Relacao& r : relacoes[QStringLiteral("_rels/.rels")])
        if (tipoTermina(r, u"officeDocument")) livro = r.parte;
    const QString relsLivro = relacoesDe(livro);
    std::vector<QString> folhas;
    std::optional<QString> tabela;
    QString tipoFolha;
    for (const Relacao& r : relacoes[relsLivro]) {
        if (tipoTermina(r, u"worksheet")) {
            folhas.push_back(r.parte);
            tipoFolha = r.tipo;
        } else if (tipoTermina(r, u"sharedStrings")) {
            tabela = r.parte;
        }
    }

    MembroZip* membroTabela = tabela ? membro(*tabela) : nullptr;
    const qint64 existentes = membroTabela ? contarTextos(membroTabela->dados) : 0;
    QStringList novos;
    for (const QString& f : folhas)
        if (MembroZip* m = membro(f); m && m->dados.contains("inlineStr"))
            m->dados = textosParaCompartilhados(m->dados, existentes, novos);
    if (novos.isEmpty()) return mudou;

    if (membroTabela) {
        membroTabela->dados = acrescentarTextos(membroTabela->dados, novos);
        return true;
    }
    // No table yet: one beside the workbook, related to it as its writer would have.
    const bool estrito = tipoFolha.startsWith(QStringLiteral("http://purl.oclc.org/"));
    QString nome = tabela.value_or(pastaDe(livro) + QStringLiteral("sharedStrings.xml"));
    for (int n = 1; !tabela && membro(nome); ++n)
        nome = pastaDe(livro) + QStringLiteral("sharedStrings%1.xml").arg(n);
    if (membros.size() >= 0xFFFF) throw ErroArquivo(QStringLiteral("pacote com membros demais"));
    membros.push_back(
        {nome.toUtf8(),
         novaTabela(
             estrito ? QStringLiteral("http://purl.oclc.org/ooxml/spreadsheetml/main")
                     : QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"),
             novos)});
    if (!tabela) {
        MembroZip* rels = membro(relsLivro);
        rels->dados = acrescentarNaRaiz(
            rels->dados,
            [&](QXmlStreamWriter& w, const QString& prefixo) {
                w.writeStartElement(prefixo + QStringLiteral("Relationship"));
                w.writeAttribute(QStringLiteral("Id"), QStringLiteral("rIdCorvelTextos"));
                w.writeAttribute(QStringLiteral("Type"),
                                 tipoFolha.left(tipoFolha.lastIndexOf(u'/') + 1) +
                                     QStringLiteral("sharedStrings"));
                w.writeAttribute(QStringLiteral("Target"), relativo(pastaDe(livro), nome));
                w.writeEndElement();
            },
            [](CopiaXml& x) { x.copiar(); });
    }
    return true;
}

} // namespace corvel

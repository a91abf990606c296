// The XML event reader: the fast scanner against QXmlStreamReader on the documents it takes, the
// documents it leaves to the parser, and the faults the parser names.
#include "exchange/leitorxml.h"

#include "impressao_qt.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// Writes the events down as one line each; consecutive pieces of text are joined.
class Transcricao : public ConsumidorXml {
  public:
    QStringList linhas;

    void inicio(QByteArrayView nome, std::span<const AtributoXml> atributos) override {
        QString l = QStringLiteral("<") + QString::fromUtf8(nome);
        for (const AtributoXml& a : atributos)
            l += u' ' + QString::fromUtf8(a.nome) + QStringLiteral("=[") +
                 QString::fromUtf8(a.valor) + u']';
        linhas << l + u'>';
        emTexto_ = false;
    }
    void texto(QByteArrayView utf8) override {
        if (!emTexto_) linhas << QString();
        linhas.back() += QString::fromUtf8(utf8);
        emTexto_ = true;
    }
    void fim() override {
        linhas << QStringLiteral("</>");
        emTexto_ = false;
    }
    void recomecar() override {
        linhas.clear();
        emTexto_ = false;
    }

  private:
    bool emTexto_ = false;
};

QStringList rapido(QByteArrayView doc, bool* aceito = nullptr) {
    Transcricao t;
    const bool ok = lerXmlRapido(doc, t);
    if (aceito) *aceito = ok;
    return t.linhas;
}

QStringList qt(QByteArrayView doc) {
    Transcricao t;
    lerXmlQt(doc, t);
    return t.linhas;
}

struct Caso {
    const char* documento;
    QStringList eventos;
};

TEST(LeitorXml, DocumentosSimplesLidosPeloVarredorComoPeloQt) {
    const Caso casos[] = {
        {"<a/>", {"<a>", "</>"}},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<a>1</a>\r\n",
         {"<a>", "1", "</>"}},
        {"<?xml version='1.0' standalone='yes' ?><r><b x=\"1\" y='dois'>t</b></r>",
         {"<r>", "<b x=[1] y=[dois]>", "t", "</>", "</>"}},
        // Prefixes and namespace declarations stay out of what the consumer sees.
        {"<ds:DataSet xmlns:ds=\"urn:d\" xmlns=\"urn:x\"><Table ds:id=\"T1\" xml:lang=\"pt\">"
         "<Codigo>1</Codigo></Table></ds:DataSet>",
         {"<DataSet>", "<Table id=[T1] lang=[pt]>", "<Codigo>", "1", "</>", "</>", "</>"}},
        // References, CR LF and a lone CR inside text, UTF-8 kept as it is.
        {"<a>S&#xC3;O &amp; &lt;b&gt; &quot;x&apos; &#65;\r\nB\rC ÁGUA</a>",
         {"<a>", "SÃO & <b> \"x' A\nB\nC ÁGUA", "</>"}},
        {"<a>\n  <b/>\n  <c></c >\n</a>",
         {"<a>", "\n  ", "<b>", "</>", "\n  ", "<c>", "</>", "\n", "</>"}},
        {"<a>]]</a>", {"<a>", "]]", "</>"}},
        // Characters past ASCII in text and in attribute values, up to four bytes.
        {"<a n=\"SÃO €\">RIOLÂNDIA \xF0\x9F\x8C\x8A</a>",
         {"<a n=[SÃO €]>", "RIOLÂNDIA \xF0\x9F\x8C\x8A", "</>"}},
    };
    for (const Caso& c : casos) {
        bool aceito = false;
        EXPECT_EQ(rapido(c.documento, &aceito), c.eventos) << c.documento;
        EXPECT_TRUE(aceito) << c.documento;
        EXPECT_EQ(qt(c.documento), c.eventos) << c.documento;
    }
}

TEST(LeitorXml, OQueOVarredorNaoTomaVaiAoQt) {
    const Caso casos[] = {
        {"<!-- nota --><a>1</a>", {"<a>", "1", "</>"}},
        {"<a><![CDATA[<x>]]></a>", {"<a>", "<x>", "</>"}},
        {"<!DOCTYPE a [<!ENTITY e \"ee\">]><a>&e;</a>", {"<a>", "ee", "</>"}},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xC1</a>", {"<a>", "Á", "</>"}},
        {"<a x=\"1&amp;2\"/>", {"<a x=[1&2]>", "</>"}},
        {"<a x=\"1\n2\"/>", {"<a x=[1 2]>", "</>"}},
        {"<a><?pi dados?>b</a>", {"<a>", "b", "</>"}},
        {"<a:b xmlns:a=\"u\" xmlns:c=\"v\" a:x=\"1\" c:x=\"2\"/>", {"<b x=[1] x=[2]>", "</>"}},
    };
    for (const Caso& c : casos) {
        bool aceito = true;
        rapido(c.documento, &aceito);
        EXPECT_FALSE(aceito) << c.documento;
        Transcricao t;
        lerXml(c.documento, t);
        EXPECT_EQ(t.linhas, c.eventos) << c.documento;
    }
}

TEST(LeitorXml, DocumentoMalFormadoDizALinhaEOProblema) {
    const char* ruins[] = {
        "",
        "texto",
        "<a>",
        "<a></b>",
        "<a><b></a></b>",
        "<a x=\"1\" x=\"2\"/>",
        "<a x=1/>",
        "<a/><b/>",
        "<a>&naoexiste;</a>",
        "<a>&#0;</a>",
        "<a>\x01</a>",
        "<p:a/>",
        "<a xmlns:p=\"u\"/><p:b/>",
        "<a>]]></a>",
        "<a>\xC3</a>",
        "<a b=\"\xC3\"/>",
        "<a>\xC0\xAF</a>",
        "<a>\xED\xA0\x80</a>",
        "<a>\xEF\xBF\xBE</a>",
        "<a b=\"<\"/>",
        "<1a/>",
        "<a\"/>",
        "  <?xml version=\"1.0\"?><a/>",
    };
    for (const char* d : ruins) {
        bool aceito = true;
        rapido(d, &aceito);
        EXPECT_FALSE(aceito) << d;
        Transcricao t;
        try {
            lerXml(d, t);
            ADD_FAILURE() << "aceito: " << d;
        } catch (const ErroConversao& e) {
            EXPECT_TRUE(e.mensagem().startsWith(QStringLiteral("XML inválido (linha ")))
                << e.mensagem().toStdString();
        }
    }
    try {
        Transcricao t;
        lerXml("<a>\n<b>\n</a>", t);
        ADD_FAILURE();
    } catch (const ErroConversao& e) {
        EXPECT_TRUE(e.mensagem().startsWith(QStringLiteral("XML inválido (linha 3, coluna ")))
            << e.mensagem().toStdString();
    }
}

TEST(LeitorXml, OQueOConsumidorLancaAtravessa) {
    struct Recusa : Transcricao {
        void inicio(QByteArrayView nome, std::span<const AtributoXml> a) override {
            if (nome == "b") throw ErroConversao(QStringLiteral("recusado"));
            Transcricao::inicio(nome, a);
        }
    };
    for (const char* d : {"<a><b/></a>", "<!-- x --><a><b/></a>"}) {
        Recusa r;
        try {
            lerXml(d, r);
            ADD_FAILURE() << d;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("recusado"));
        }
    }
}

} // namespace

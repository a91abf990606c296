// Transformation files: reading and checking the declarations.
#include "mapeamento.h"

#include "core/erros.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

namespace corvel {

namespace {

ErroArquivo invalido(const QString& nomeArquivo, const QString& motivo) {
    return ErroArquivo(QStringLiteral("O arquivo de transformação \"%1\" é inválido: %2.")
                           .arg(nomeArquivo, motivo));
}

// The attributes of the current element, refusing any name outside `permitidos`.
QXmlStreamAttributes atributosDe(const QXmlStreamReader& r,
                                 std::initializer_list<const char*> permitidos,
                                 const QString& nomeArquivo) {
    const QXmlStreamAttributes a = r.attributes();
    for (const QXmlStreamAttribute& at : a) {
        bool conhecido = false;
        for (const char* p : permitidos)
            conhecido = conhecido || at.qualifiedName() == QLatin1StringView(p);
        if (!conhecido)
            throw invalido(nomeArquivo, QStringLiteral("atributo desconhecido \"%1\" em <%2>")
                                            .arg(at.qualifiedName(), r.name()));
    }
    return a;
}

QByteArray obrigatorio(const QXmlStreamAttributes& a, const char* nome, QStringView elemento,
                       const QString& nomeArquivo) {
    const QString v = a.value(QLatin1StringView(nome)).toString().trimmed();
    if (v.isEmpty())
        throw invalido(nomeArquivo, QStringLiteral("<%1> sem o atributo \"%2\"")
                                        .arg(elemento.toString(), QLatin1StringView(nome)));
    return v.toUtf8();
}

CampoMapeado lerCampo(const QXmlStreamReader& r, const QString& nomeArquivo) {
    const QXmlStreamAttributes a =
        atributosDe(r, {"nome", "tipo", "tamanho", "elemento", "atributo", "formato"}, nomeArquivo);
    CampoMapeado c;
    c.campo.nome = QString::fromUtf8(obrigatorio(a, "nome", u"campo", nomeArquivo));
    const QByteArray tipo = obrigatorio(a, "tipo", u"campo", nomeArquivo);
    const auto erro = [&](const QString& motivo) {
        return invalido(nomeArquivo, QStringLiteral("campo \"%1\": %2").arg(c.campo.nome, motivo));
    };
    if (tipo == "inteiro") {
        c.campo.tipo = TipoCampo::Inteiro;
        c.campo.tamanho = 4;
    } else if (tipo == "real") {
        c.campo.tipo = TipoCampo::Real;
    } else if (tipo == "texto") {
        c.campo.tipo = TipoCampo::Texto;
    } else if (tipo == "data") {
        c.campo.tipo = TipoCampo::DataHora;
    } else {
        throw erro(QStringLiteral("tipo \"%1\" desconhecido (inteiro, real, texto ou data)")
                       .arg(QString::fromUtf8(tipo)));
    }
    if (a.hasAttribute(QLatin1StringView("tamanho"))) {
        bool ok = false;
        const int t = a.value(QLatin1StringView("tamanho")).toInt(&ok);
        const bool aceito = (c.campo.tipo == TipoCampo::Inteiro && (t == 2 || t == 4 || t == 8)) ||
                            (c.campo.tipo == TipoCampo::Texto && t >= 0);
        if (!ok || !aceito)
            throw erro(QStringLiteral("tamanho \"%1\" inválido (inteiro: 2, 4 ou 8 bytes; texto: "
                                      "caracteres)")
                           .arg(a.value(QLatin1StringView("tamanho"))));
        c.campo.tamanho = t;
    }
    if (a.hasAttribute(QLatin1StringView("formato")) &&
        (c.campo.tipo != TipoCampo::DataHora ||
         a.value(QLatin1StringView("formato")) != QLatin1StringView("aaaa-mm-dd")))
        throw erro(QStringLiteral("só datas têm formato, e o único é \"aaaa-mm-dd\""));
    const bool temElemento = a.hasAttribute(QLatin1StringView("elemento"));
    const bool temAtributo = a.hasAttribute(QLatin1StringView("atributo"));
    if (temElemento && temAtributo)
        throw erro(QStringLiteral("elemento e atributo ao mesmo tempo"));
    if (temElemento || temAtributo) {
        c.origem = temElemento ? OrigemCampo::Elemento : OrigemCampo::Atributo;
        c.nomeOrigem = obrigatorio(a, temElemento ? "elemento" : "atributo", u"campo", nomeArquivo);
    }
    return c;
}

} // namespace

QByteArray nomeEmMinusculas(QByteArrayView nome) {
    QByteArray m(nome.data(), nome.size());
    for (char& c : m)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return m;
}

std::vector<Campo> Mapeamento::camposTabela() const {
    std::vector<Campo> c;
    c.reserve(campos.size());
    for (const CampoMapeado& m : campos)
        c.push_back(m.campo);
    return c;
}

Mapeamento lerMapeamento(QByteArrayView conteudo, const QString& nomeArquivo) {
    QXmlStreamReader r(QByteArray::fromRawData(conteudo.data(), conteudo.size()));
    Mapeamento m;
    if (!r.readNextStartElement() || r.name() != u"mapeamento") {
        if (r.hasError())
            throw invalido(nomeArquivo,
                           QStringLiteral("linha %1: %2").arg(r.lineNumber()).arg(r.errorString()));
        throw invalido(nomeArquivo, QStringLiteral("o elemento principal deve ser <mapeamento>"));
    }
    const QXmlStreamAttributes raiz = atributosDe(r, {"versao", "separadorDecimal"}, nomeArquivo);
    if (raiz.value(QLatin1StringView("versao")) != u"1")
        throw invalido(nomeArquivo, QStringLiteral("versão diferente de 1"));
    if (raiz.hasAttribute(QLatin1StringView("separadorDecimal"))) {
        const QStringView s = raiz.value(QLatin1StringView("separadorDecimal"));
        if (s != u"." && s != u",")
            throw invalido(nomeArquivo, QStringLiteral("separadorDecimal deve ser \".\" ou \",\""));
        m.separadorDecimal = static_cast<char>(s[0].unicode());
    }
    QHash<QByteArray, QString> origens; // who already reads each element or attribute
    while (r.readNextStartElement()) {
        if (r.name() == u"linha") {
            if (!m.elementoLinha.isEmpty())
                throw invalido(nomeArquivo, QStringLiteral("mais de um <linha>"));
            m.elementoLinha = obrigatorio(atributosDe(r, {"elemento"}, nomeArquivo), "elemento",
                                          u"linha", nomeArquivo);
        } else if (r.name() == u"recusa") {
            const QXmlStreamAttributes a = atributosDe(r, {"elemento", "motivo"}, nomeArquivo);
            m.elementoRecusa = obrigatorio(a, "elemento", u"recusa", nomeArquivo);
            m.elementoMotivo = a.value(QLatin1StringView("motivo")).toString().trimmed().toUtf8();
        } else if (r.name() == u"campo") {
            CampoMapeado c = lerCampo(r, nomeArquivo);
            for (const CampoMapeado& outro : m.campos)
                if (outro.campo.nome.compare(c.campo.nome, Qt::CaseInsensitive) == 0)
                    throw invalido(nomeArquivo,
                                   QStringLiteral("campo \"%1\" repetido").arg(c.campo.nome));
            if (c.origem != OrigemCampo::Nenhuma) {
                const QByteArray chave = (c.origem == OrigemCampo::Elemento ? "e:" : "a:") +
                                         nomeEmMinusculas(c.nomeOrigem);
                if (origens.contains(chave))
                    throw invalido(nomeArquivo, QStringLiteral("\"%1\" alimenta os campos \"%2\" "
                                                               "e \"%3\"")
                                                    .arg(QString::fromUtf8(c.nomeOrigem),
                                                         origens.value(chave), c.campo.nome));
                origens.insert(chave, c.campo.nome);
            }
            m.campos.push_back(std::move(c));
        } else {
            throw invalido(nomeArquivo, QStringLiteral("elemento desconhecido <%1>").arg(r.name()));
        }
        r.skipCurrentElement();
    }
    if (r.hasError())
        throw invalido(nomeArquivo,
                       QStringLiteral("linha %1: %2").arg(r.lineNumber()).arg(r.errorString()));
    if (m.elementoLinha.isEmpty())
        throw invalido(nomeArquivo, QStringLiteral("falta <linha elemento=\"...\"/>"));
    if (m.campos.empty()) throw invalido(nomeArquivo, QStringLiteral("nenhum <campo>"));
    return m;
}

Mapeamento lerMapeamento(const QString& caminho) {
    const QString nome = QFileInfo(caminho).fileName();
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!f.exists())
            throw ErroArquivo(
                QStringLiteral("O arquivo de transformação \"%1\" não foi encontrado.").arg(nome));
        throw ErroArquivo(QStringLiteral("O arquivo de transformação \"%1\" não pôde ser lido: %2")
                              .arg(nome, f.errorString()));
    }
    // A transformation file is a few kilobytes; anything far larger is not one.
    if (f.size() > 1024 * 1024) throw invalido(nome, QStringLiteral("arquivo grande demais"));
    return lerMapeamento(f.readAll(), nome);
}

} // namespace corvel

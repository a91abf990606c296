// Grant criterion files.
#include "criteriooutorga.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace corvel {

namespace {

[[noreturn]] void recusar(const QString& arquivo, int linha, const QString& texto) {
    throw ErroArquivo(QStringLiteral("%1, linha %2: %3").arg(arquivo).arg(linha).arg(texto));
}

double lerFracao(QString t, const QString& arquivo, int linha) {
    t = t.trimmed();
    const bool porcento = t.endsWith(u'%');
    if (porcento) t.chop(1);
    double f = 0;
    try {
        f = lerReal(t.trimmed().replace(u'.', u','));
    } catch (const ErroConversao&) {
        recusar(arquivo, linha, QStringLiteral("fração inválida: '%1'").arg(t));
    }
    if (porcento) f /= 100;
    if (!(f > 0 && f <= 1))
        recusar(arquivo, linha,
                QStringLiteral("a fração deve ficar entre 0 e 1 (ou 0% e 100%): '%1'").arg(t));
    return f;
}

} // namespace

QString CriterioOutorga::textoReferencia() const {
    switch (referencia) {
    case Referencia::Q95:
        return QStringLiteral("Q95");
    case Referencia::Q90:
        return QStringLiteral("Q90");
    case Referencia::QMinima:
        break;
    }
    return QStringLiteral("Q%1,%2").arg(duracao).arg(periodo);
}

CriterioOutorga lerCriterioDoTexto(const QString& texto, const QString& arquivo) {
    CriterioOutorga c;
    c.arquivo = arquivo;
    bool temNome = false, temReferencia = false, temFracao = false;
    const QStringList linhas = texto.split(u'\n');
    for (int i = 0; i < linhas.size(); ++i) {
        QString l = linhas[i];
        if (l.endsWith(u'\r')) l.chop(1);
        const qsizetype comentario = l.indexOf(u'#');
        if (comentario >= 0) l.truncate(comentario);
        if (l.trimmed().isEmpty()) continue;
        const qsizetype dois = l.indexOf(u':');
        if (dois < 0) recusar(arquivo, i + 1, QStringLiteral("esperava \"chave: valor\""));
        const QString chave = l.left(dois).trimmed().toLower();
        const QString valor = l.mid(dois + 1).trimmed();
        if (chave == u"nome") {
            c.nome = valor;
            temNome = !valor.isEmpty();
        } else if (chave == u"referencia" || chave == u"referência") {
            const QString v = valor.toUpper();
            static const QRegularExpression qdt(QStringLiteral("^Q(\\d{1,3}),(\\d{1,5})$"));
            if (v == u"Q95") {
                c.referencia = CriterioOutorga::Referencia::Q95;
            } else if (v == u"Q90") {
                c.referencia = CriterioOutorga::Referencia::Q90;
            } else if (const auto m = qdt.match(v); m.hasMatch()) {
                c.referencia = CriterioOutorga::Referencia::QMinima;
                c.duracao = m.captured(1).toInt();
                c.periodo = m.captured(2).toInt();
                if (c.duracao < 1 || c.periodo < 2)
                    recusar(arquivo, i + 1, QStringLiteral("vazão de referência inválida: '%1'")
                                                .arg(valor));
            } else {
                recusar(arquivo, i + 1,
                        QStringLiteral("vazão de referência desconhecida: '%1' (use Q7,10, Q95 ou "
                                       "Q90)")
                            .arg(valor));
            }
            temReferencia = true;
        } else if (chave == u"base") {
            if (valor.compare(u"anual", Qt::CaseInsensitive) == 0)
                c.mensal = false;
            else if (valor.compare(u"mensal", Qt::CaseInsensitive) == 0)
                c.mensal = true;
            else
                recusar(arquivo, i + 1,
                        QStringLiteral("base deve ser anual ou mensal: '%1'").arg(valor));
        } else if (chave == u"fracao" || chave == u"fração") {
            c.fracao = lerFracao(valor, arquivo, i + 1);
            temFracao = true;
        } else if (chave == u"remanescente") {
            if (valor.isEmpty()) continue;
            try {
                c.remanescente = lerReal(QString(valor).replace(u'.', u','));
            } catch (const ErroConversao&) {
                recusar(arquivo, i + 1, QStringLiteral("vazão remanescente inválida: '%1'").arg(valor));
            }
            if (*c.remanescente < 0)
                recusar(arquivo, i + 1, QStringLiteral("a vazão remanescente não pode ser negativa"));
        } else if (chave == u"fonte") {
            c.fonte = valor;
        } else if (chave == u"exemplo") {
            c.exemplo = valor.compare(u"sim", Qt::CaseInsensitive) == 0;
        } else {
            recusar(arquivo, i + 1, QStringLiteral("chave desconhecida: '%1'").arg(chave));
        }
    }
    const auto falta = [&](const char* chave) {
        throw ErroArquivo(QStringLiteral("%1: falta a chave \"%2\"").arg(arquivo, QString::fromUtf8(chave)));
    };
    if (!temNome) falta("nome");
    if (!temReferencia) falta("referencia");
    if (!temFracao) falta("fracao");
    return c;
}

CriterioOutorga lerCriterio(const QString& caminho) {
    QFile f(caminho);
    const QString nome = QFileInfo(caminho).fileName();
    if (!f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("não foi possível ler o critério %1: %2")
                              .arg(nome, f.errorString()));
    // A criterion is a few lines: anything much larger is not one.
    if (f.size() > 64 * 1024)
        throw ErroArquivo(QStringLiteral("%1 não é um arquivo de critério").arg(nome));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(f.readAll());
    if (utf8.hasError()) {
        f.seek(0);
        texto = QString::fromLatin1(f.readAll());
    }
    return lerCriterioDoTexto(texto, nome);
}

std::optional<double> vazaoOutorgavel(const CriterioOutorga& c, std::optional<double> referencia) {
    if (!referencia) return std::nullopt;
    double q = c.fracao * *referencia;
    if (c.remanescente) q = std::min(q, *referencia - *c.remanescente);
    return std::max(0.0, q);
}

std::optional<double> referenciaDoMes(const CriterioOutorga& c, const ReferenciaMensal& mes) {
    switch (c.referencia) {
    case CriterioOutorga::Referencia::Q95:
        return mes.q95;
    case CriterioOutorga::Referencia::Q90:
        return mes.q90;
    case CriterioOutorga::Referencia::QMinima:
        break;
    }
    return mes.qMinima;
}

QStringList criteriosDeExemplo(const QString& pastaPrograma) {
    QStringList r;
    const QDir pasta(QDir(pastaPrograma).filePath(QStringLiteral("criterios")));
    for (const QFileInfo& f :
         pasta.entryInfoList({QStringLiteral("*.") + QString::fromLatin1(kExtensaoCriterio)},
                             QDir::Files, QDir::Name))
        r << f.absoluteFilePath();
    return r;
}

} // namespace corvel

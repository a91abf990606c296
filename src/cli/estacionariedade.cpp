// corvel-cli estacionariedade: the stationarity tests of an annual series file, written in the
// layout of the window's result export.
#include "comandos.h"

#include "core/erros.h"
#include "core/formato.h"
#include "stats/estacionariedade.h"
#include "stats/tabelasestacionariedade.h"

#include <QFile>
#include <QFileInfo>

namespace corvel::cli {

namespace {
QDate lerDataOuAno(const QString& texto) {
    bool ok = false;
    const int ano = texto.toInt(&ok);
    if (ok && texto.size() == 4) return QDate(ano, 1, 1);
    try {
        return lerData(texto);
    } catch (const ErroConversao&) {
        throw ErroUso{QStringLiteral("data inválida: %1 (use dd/mm/aaaa ou o ano)").arg(texto)};
    }
}
} // namespace

int executarEstacionariedade(const QStringList& argumentos, QTextStream& saida) {
    NivelSignificancia nivel = NivelSignificancia::Cinco;
    std::vector<QDate> personalizada;
    QString arquivo;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"--nivel") {
            const QString n = i + 1 < argumentos.size() ? argumentos[++i] : QString();
            if (n != u"1" && n != u"5") throw ErroUso{QStringLiteral("--nivel pede 1 ou 5")};
            nivel = n == u"1" ? NivelSignificancia::Um : NivelSignificancia::Cinco;
        } else if (a == u"--personalizada") {
            if (i + 4 >= argumentos.size())
                throw ErroUso{QStringLiteral("--personalizada pede quatro datas: I1 F1 I2 F2")};
            for (int k = 0; k < 4; ++k)
                personalizada.push_back(lerDataOuAno(argumentos[++i]));
        } else if (a.startsWith(u'-') || !arquivo.isEmpty()) {
            throw ErroUso{QStringLiteral("argumento inesperado: %1").arg(a)};
        } else {
            arquivo = a;
        }
    }
    if (arquivo.isEmpty()) throw ErroUso{QStringLiteral("informe o arquivo da série")};
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2")
                              .arg(QFileInfo(arquivo).fileName(), f.errorString()));
    const std::vector<DadoEntrada> dados = lerSerieEstacionariedade(f.readAll());
    if (dados.empty()) throw Erro(QStringLiteral("O arquivo não tem valores"));
    const ResultadoEstacionariedade r =
        personalizada.empty() ? testeContinuo(dados, dados.front().data, dados.back().data, nivel)
                              : testePersonalizado(dados, personalizada[0], personalizada[1],
                                                   personalizada[2], personalizada[3], nivel);
    if (!r.refeito) throw Erro(r.mensagem->texto, r.mensagem->gravidade);
    for (const QString& t : titulosEstacionariedade())
        saida << t << ';';
    saida << '\n';
    for (const std::vector<QString>& l : linhasEstacionariedade(r.linhas)) {
        for (const QString& t : l)
            saida << t << ';';
        saida << '\n';
    }
    if (r.mensagem)
        throw Erro(r.mensagem->texto,
                   r.mensagem->gravidade); // a zero variance midway: the rows tested stay
    return 0;
}

} // namespace corvel::cli

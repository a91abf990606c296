// corvel-cli estacionariedade: the stationarity tests of an annual series file, written in the
// layout of the window's result export.
#include "argumentos.h"
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
    const QStringList arquivos = lerArgumentos(
        argumentos, {{"--nivel", 1,
                      [&](const QStringList& v) {
                          if (v[0] != u"1" && v[0] != u"5")
                              throw ErroUso{QStringLiteral("--nivel pede 1 ou 5")};
                          nivel = v[0] == u"1" ? NivelSignificancia::Um : NivelSignificancia::Cinco;
                      },
                      "--nivel pede 1 ou 5"},
                     {"--personalizada", 4,
                      [&](const QStringList& v) {
                          for (const QString& d : v)
                              personalizada.push_back(lerDataOuAno(d));
                      },
                      "--personalizada pede quatro datas: I1 F1 I2 F2"}});
    arquivo = arquivos.value(0);
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

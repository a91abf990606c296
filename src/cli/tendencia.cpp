// corvel-cli tendencia: Mann-Kendall, Sen's slope and Pettitt of an annual series file, written
// as the rows of quantities the stationarity window exports.
#include "argumentos.h"
#include "comandos.h"

#include "core/erros.h"
#include "stats/analisetendencia.h"

#include <QFile>
#include <QFileInfo>

namespace corvel::cli {

int executarTendencia(const QStringList& argumentos, QTextStream& saida) {
    NivelSignificancia nivel = NivelSignificancia::Cinco;
    CorrecaoSerial correcao = CorrecaoSerial::Nenhuma;
    const QStringList arquivos = lerArgumentos(
        argumentos,
        {{"--nivel", 1,
          [&](const QStringList& v) {
              if (v[0] != u"1" && v[0] != u"5")
                  throw ErroUso{QStringLiteral("--nivel pede 1 ou 5")};
              nivel = v[0] == u"1" ? NivelSignificancia::Um : NivelSignificancia::Cinco;
          },
          "--nivel pede 1 ou 5"},
         {"--hamed-rao", 0, [&](const QStringList&) { correcao = CorrecaoSerial::HamedRao; }}});
    const QString arquivo = arquivos.value(0);
    if (arquivo.isEmpty()) throw ErroUso{QStringLiteral("informe o arquivo da série")};
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2")
                              .arg(QFileInfo(arquivo).fileName(), f.errorString()));
    const std::vector<DadoEntrada> dados = lerSerieEstacionariedade(f.readAll());
    if (dados.empty()) throw Erro(QStringLiteral("O arquivo não tem valores"));
    const AnaliseTendencia a = analisarTendencia(dados, nivel, correcao);
    for (const QString& t : titulosTendencia())
        saida << t << ';';
    saida << '\n';
    for (const std::vector<QString>& l : linhasTendencia(a)) {
        for (const QString& t : l)
            saida << t << ';';
        saida << '\n';
    }
    return 0;
}

} // namespace corvel::cli

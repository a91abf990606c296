// Summary line of an imported or downloaded project.
#include "resumoimportacao.h"

#include "comandos.h"

#include <QFileInfo>

namespace corvel::cli {

void escreverResumoImportacao(QTextStream& saida, const Bancada& bancada, int nivelLido,
                              int duplicados, const AvisosImportacao& avisos,
                              const char* subcomando) {
    const SerieTabela& serie = bancada.serie;
    const QString periodo =
        serie.vazia() ? QStringLiteral("sem meses")
                      : serie[0].mes() + QStringLiteral(" a ") + serie[serie.tamanho() - 1].mes();
    saida << QFileInfo(bancada.arquivoProjeto).fileName() << ": estação "
          << (serie.vazia() ? 0 : serie[0].estacaoCodigo) << ", nível " << nivelLido << ", "
          << periodo << ", " << serie.tamanho() << " meses, " << duplicados
          << " duplicados descartados";
    if (avisos.mesesBrutosForaDoConsistido > 0)
        saida << ", " << avisos.mesesBrutosForaDoConsistido
              << (avisos.mesesBrutosAcrescentados
                      ? " meses brutos acrescentados (nível 1)"
                      : " meses brutos fora do período consistido não importados");
    saida << '\n';
    for (const QString& aviso : textoAvisosImportacao(avisos))
        escreverNaSaidaDeErros(
            QStringLiteral("corvel-cli %1: aviso: ").arg(QLatin1StringView(subcomando)) + aviso);
}

} // namespace corvel::cli

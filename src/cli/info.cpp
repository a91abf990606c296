// corvel-cli info: what a project file holds, at a glance.
#include "comandos.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "core/plataforma.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <map>

namespace corvel::cli {

int executarInfo(const QStringList& argumentos, QTextStream& saida) {
    if (argumentos.size() != 1)
        throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(argumentos[0]).absoluteFilePath());
    const SerieTabela& serie = bancada.serie;

    saida << "Estação: " << (serie.vazia() ? 0 : serie[0].estacaoCodigo) << '\n';
    if (serie.vazia()) {
        saida << "Período: (sem meses)\n";
    } else {
        saida << "Período: " << serie[0].mes() << " a " << serie[serie.tamanho() - 1].mes() << '\n';
    }
    // Months by situation text, in the order a user reads them.
    const std::array<QString, 5> ordem = {
        QStringLiteral("Completo"), QStringLiteral("Com falhas"), QStringLiteral("Considerado"),
        QStringLiteral("Descartado"), QStringLiteral("Inexistente")};
    std::map<QString, int> contagem;
    for (qsizetype i = 0; i < serie.tamanho(); ++i)
        ++contagem[serie[i].situacao(bancada.mesesDescartados)];
    saida << "Meses: " << serie.tamanho() << '\n';
    for (const QString& s : ordem)
        if (contagem.count(s)) saida << "  " << s << ": " << contagem[s] << '\n';
    bancada.atualizarCabecalho(true);
    for (std::size_t i = 0; i < 5; ++i)
        if (!bancada.linhasCabecalho[i].isEmpty()) saida << bancada.linhasCabecalho[i] << '\n';
    return 0;
}

} // namespace corvel::cli

// Opening a project for the analysis subcommands.
#include "projetoanalise.h"

#include "analyses/vazoesanuais.h"
#include "core/bancada.h"
#include "core/erros.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace corvel::cli {

ProjetoAnalise abrirParaAnalise(const QString& projeto, std::optional<int> inicio) {
    const QString caminho = QFileInfo(projeto).absoluteFilePath();
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(caminho);
    if (!bancada.podeAnalisar())
        throw Erro(QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                   QStringLiteral(" ou o número de registros é insuficiente."));
    ProjetoAnalise p{lerMesesConsiderados(caminho), inicio.value_or(bancada.inicioAnoHidrologico)};
    if (p.inicio < 1 || p.inicio > 12)
        throw Erro(
            QStringLiteral(
                "O projeto não tem um início de ano hidrológico válido (%1); use --inicio-ano")
                .arg(p.inicio));
    if (p.considerados.vazia())
        throw Erro(QStringLiteral(
            "Banco de dados com número insuficiente de registros. Possivelmente todos seus "
            "dadaos foram descartados ou o conjunto de dados estão vazios"));
    return p;
}

} // namespace corvel::cli

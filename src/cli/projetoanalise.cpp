// Opening a project for the analysis subcommands.
#include "projetoanalise.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "analyses/sinalizados.h"
#include "core/plataforma.h"
#include "resumo/estacaoresumo.h"

#include <QFileInfo>

namespace corvel::cli {

ProjetoAnalise abrirParaAnalise(const QString& projeto, std::optional<int> inicio,
                                Sinalizacoes excluir) {
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(projeto).absoluteFilePath());
    EstacaoAberta e = paraAnalise(bancada, inicio);
    return {semSinalizados(e.considerados, excluir), e.inicio};
}

} // namespace corvel::cli

// Opening a project for the analysis subcommands.
#include "projetoanalise.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/plataforma.h"
#include "resumo/estacaoresumo.h"

#include <QFileInfo>

namespace corvel::cli {

ProjetoAnalise abrirParaAnalise(const QString& projeto, std::optional<int> inicio) {
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(projeto).absoluteFilePath());
    EstacaoAberta e = paraAnalise(bancada, inicio);
    return {std::move(e.considerados), e.inicio};
}

} // namespace corvel::cli

// The rows a source delivers, split by consistency level, and the choice every agency import makes
// between them: the consisted rows when there are any, the raw ones otherwise, a month held once.
#pragma once

#include "importacao_agencia.h"

#include <array>
#include <optional>

namespace corvel {

class LeituraNiveis {
  public:
    LeituraNiveis();

    // Appends a row of level 1 or 2 (the caller skips other levels). A month already held at that
    // level is replaced: the later row stands.
    void acrescentar(RegistroMensal r);
    // A row of this level held a value that could not be converted. The first one is kept and
    // thrown only if the level is used.
    void registrarErro(int nivel, const ErroConversao& erro);
    // Nothing of either level was read (no row, no error).
    bool vazia() const;

    // Level 2 when any row of it was read (or failed to convert), else level 1. Raw months before
    // or after the consisted period are left out, or added with `brutos` = CompletarSerie; flows
    // no river has are counted into `avisos`. An empty source gives an empty series of level 1.
    ResultadoImportacao concluir(DadosBrutos brutos, AvisosImportacao avisos = {});

  private:
    struct Nivel {
        SerieTabela serie;
        int duplicados = 0;
        std::optional<ErroConversao> erro;
    };
    std::array<Nivel, 3> niveis_; // index 1 raw, 2 consisted
};

} // namespace corvel

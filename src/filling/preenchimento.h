// Filling the base station's missing months from one auxiliary station at a time (first, second and
// third order), undoing a filling, and what each step tells the user.
#pragma once

#include "projetopreenchimento.h"
#include "regressao.h"

#include "core/mensagem.h"

#include <optional>
#include <vector>

namespace corvel {

struct ResultadoPreenchimento {
    int preenchidos = 0; // months that received an estimate
    int negativos = 0;   // months whose estimate was negative: left empty and unmarked
    // Months the lines give no estimate for (a month without a line of its own, or an auxiliary
    // zero on the logarithmic scale): left empty for a later order.
    int semEstimativa = 0;

    // "n dado(s) preenchidos." or "Nenhum dado foi preenchido.", with the line "m estimativa(s)
    // negativa(s) não foram usadas." when there were negative estimates; information.
    Mensagem mensagem() const;
};

// Fills from the station of the chosen statistics row: every month without a base value where the
// station has a value x gets A·x + B (or the estimate of the row's lines, when another method than
// least squares on the flows for the whole year was chosen) when that is 0 or more, is marked filled and names the
// station's column as supporting station. A negative estimate fills nothing: the month stays open
// for a later order. The row then counts the months filled and is marked used.
// Throws Erro "O preenchimento não pode ser efetuado com estação que tenha sido rejeitada." for a
// row that cannot fill (R² below 0,7, fewer than 8 common months, or undefined statistics),
// leaving the row not used.
ResultadoPreenchimento PreencheUmaEstacao(ProjetoPreenchimento& projeto, EstatisticaEstacao& linha);

// Undoes every filling: the filled months lose their value, mark and supporting station.
void DesPreencheUmaEstacao(ProjetoPreenchimento& projeto);

// Some month names a supporting station among columns 2 … 20: a filling exists.
bool existePreenchimento(const ProjetoPreenchimento& projeto);

// "Novo preenchimento..." with the base chosen as column k: whether the warning made of three
// lines must come first (an unsaved filling exists and the base stays), and its text (OK/Cancel).
bool pedeAvisoNovoPreenchimento(const ProjetoPreenchimento& projeto, int k);
QString textoAvisoNovoPreenchimento();
// The rest of the command's preparation: undoes an existing filling, makes column k the base when
// k > 1, and returns the statistics of the first order, with the lines of `opcoes`.
std::vector<EstatisticaEstacao> iniciarNovoPreenchimento(ProjetoPreenchimento& projeto, int k,
                                                         const OpcoesReta& opcoes = {});

// Rows the station choice window offers: every row in the first order, the rows not yet used in
// later ones.
std::vector<std::size_t> estacoesOferecidas(const std::vector<EstatisticaEstacao>& estatisticas,
                                            bool primeiraOrdem);
// The warning shown instead of the choice window when nothing is offered: "Nenhuma estação
// disponível" in the first order, "Nenhum estação disponível" in later ones.
Mensagem mensagemSemEstacao(bool primeiraOrdem);

// Which filling commands the menu enables: "Novo preenchimento..." once a station was added or a
// project opened; each order enables the next.
struct MenuPreenchimento {
    bool novo = false;
    bool segunda = false;
    bool terceira = false;

    void projetoNovo() { *this = {}; }
    void estacaoAdicionadaOuProjetoAberto() { novo = true; }
    void primeiraOrdem() { segunda = true, terceira = false; }
    void segundaOrdem() { segunda = false, terceira = true; }
    void terceiraOrdem() { terceira = false; }
};

} // namespace corvel

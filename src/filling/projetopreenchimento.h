// The gap-filling project: one row per month of the filling period with the base station's monthly
// mean in column 1 and up to nineteen auxiliary stations' in columns 2 to 20, the marks of the
// filled months, and the station set (adding, removing, changing the base).
#pragma once

#include "core/serie.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace corvel {

inline constexpr int kMaximoEstacoes = 20;
inline constexpr auto kTituloSemEstacao = "  "; // the title of a column without a station

// The fill state of the project.
inline constexpr int kEstadoInicial = -1;      // program start; also after a filling
inline constexpr int kEstadoNovo = -2;         // after a new or opened project
inline constexpr int kEstadoPreenchendo = -30; // while a filling writes values
inline constexpr int kEstadoPreenchido = -1;
inline constexpr int kEstadoSalvo = 1;

struct PeriodoPreenchimento {
    int anoInicial = 0;
    int anoFinal = 0;
    friend bool operator==(const PeriodoPreenchimento&, const PeriodoPreenchimento&) = default;
};

// The period dialog's OK: both years must have four characters ("Use 4 dígitos para escrever o
// ano") and cover at least three whole years ("Intervalo inválido"). A text that is not a number
// raises the conversion error.
PeriodoPreenchimento lerPeriodoPreenchimento(const QString& inicio, const QString& fim);

struct MesPreenchimento {
    QDate data;                   // first day of the month
    std::optional<int> baseApoio; // the column that filled this month
    bool preenchido = false;
    std::array<std::optional<double>, kMaximoEstacoes> dados{}; // columns 1 … 20

    std::optional<double>& coluna(int n) { return dados[static_cast<std::size_t>(n - 1)]; }
    const std::optional<double>& coluna(int n) const {
        return dados[static_cast<std::size_t>(n - 1)];
    }
    friend bool operator==(const MesPreenchimento&, const MesPreenchimento&) = default;
};

struct ProjetoPreenchimento {
    std::vector<MesPreenchimento> meses;          // date order
    std::array<QString, kMaximoEstacoes> titulos; // station codes; kTituloSemEstacao for none
    int numeroEstacoes = 0;
    int estado = kEstadoInicial;

    bool aberto() const { return !meses.empty(); }
    const QString& titulo(int n) const { return titulos[static_cast<std::size_t>(n - 1)]; }
    // The period the months cover (first and last year).
    PeriodoPreenchimento periodo() const;
    // Some month names a supporting station among the project's columns: the legend is shown.
    bool temPreenchimento() const;

    friend bool operator==(const ProjetoPreenchimento&, const ProjetoPreenchimento&) = default;
};

// A new project: one month from January of the first year to December of the last, nothing
// filled, every column untitled; fill state -2.
ProjetoPreenchimento novoProjetoPreenchimento(PeriodoPreenchimento periodo);

// The mean of the non-empty day values (Vazao01 … Vazao31) of a considered month; empty for a month
// that is not considered or has no value. No minimum number of days applies.
std::optional<double> mediaMensal(const RegistroMensal& mes);

// Refuses before any file is read when twenty stations are in ("Há 20 estações adicionadas. " and
// " Esse é o número máximo de estações permitido." on two lines).
void verificarVagaEstacao(const ProjetoPreenchimento& projeto);
// Some column already holds this station: the caller asks "Deseja adicionar a estação <code>
// novamente?" (perguntaEstacaoRepetida) and stops on No.
bool estacaoNoProjeto(const ProjetoPreenchimento& projeto, const QString& codigo);
QString perguntaEstacaoRepetida(const QString& codigo);

// Station code a loaded series is added under: that of its earliest month.
QString codigoEstacao(const SerieTabela& estacao);

// Called after each month: months done, months in all.
using ProgressoMeses = std::function<void(qsizetype feitos, qsizetype total)>;

// Adds the station as the next column: its title is the station's code and each month of the
// project gets the monthly mean of the station's month of the same date, when there is one. Months
// outside the project are ignored. Returns the column's number. Throws the vacancy error when
// twenty are in, and "Nenhuma base de dados encontrada." for a series without months.
int adicionarEstacao(ProjetoPreenchimento& projeto, const SerieTabela& estacao,
                     const ProgressoMeses& progresso = {});

// The question removing column k asks first, if any: for the base while a filling is under way or
// not saved, "O preenchimento atual será perdido. Deseja continuar?"; for an auxiliary station
// that filled some month, the two-line warning that its filling will be lost.
std::optional<QString> perguntaExclusao(const ProjetoPreenchimento& projeto, int k);
// Removes column k (1 … station count): the columns after it move one place left, supporting
// column numbers follow them, months filled from column k lose their filled value; removing the
// base makes the first auxiliary station the base and drops every filled mark.
void excluiEstacao(ProjetoPreenchimento& projeto, int k);

// Column k (2 … 20) becomes the base and the base takes column k's place; every filled value and
// mark is dropped first.
void mudarEstacaoBase(ProjetoPreenchimento& projeto, int k);

} // namespace corvel

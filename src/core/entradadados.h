// A series typed in by hand: the new empty series of whole years, the data-entry check every
// record written during data entry passes, and the management of its years at either end.
#pragma once

#include "serie.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace corvel {

inline constexpr auto kMsgPeriodoTempoInvalido = "Período de tempo inválido.";
inline constexpr auto kMsgCodigoEstacaoGrande =
    "Número identificador da estação muito grande. Use um número menor.";
inline constexpr auto kMsgAnosPosteriores =
    "Para esta função use apenas anos posteriores ao fim da série";
inline constexpr auto kMsgAnosAnteriores =
    "Para esta função use apenas anos anteriores ao início da série";
inline constexpr auto kMsgSerieMaior300Anos = "Série maior que 300 anos.";
inline constexpr auto kMsgSerieVaziaSemPeriodo =
    "A série está vazia. Crie uma nova série em \"Criar arquivos de dados \".";

// A station code has at most 8 digits; a series at most 3600 months (300 years).
inline constexpr int kDigitosEstacao = 8;
inline constexpr qsizetype kMaximoMeses = 3600;
// The rule code the first month inserted before the start carries.
inline constexpr qint16 kRegraInsercao = 50;

// The data-entry check (`AntesdeSalvar`): the days past the month's end are emptied and the month
// becomes "no data" (-2) when no day is valid, considered (0) otherwise, whatever it was before.
void antesDeSalvar(RegistroMensal& r);

// A month as every month created here starts: no day, code -2, rule code 0.
RegistroMensal mesSemDados(QDate mes, double registroId, qint32 estacao, int inicioAnoHidrologico,
                           qint16 nivelConsistencia);
// "Apagar os dados do mês selecionado": every day emptied, code -2.
void apagarDadosDoMes(RegistroMensal& r);

// ---- the new series

// The station code as its field keeps it: a longer text loses what passes 8 characters.
struct CodigoEstacao {
    QString texto;
    bool cortado = false; // the text was too long (the caller shows kMsgCodigoEstacaoGrande)
};
CodigoEstacao limitarCodigoEstacao(const QString& texto);

struct PeriodoNovaSerie {
    qint32 estacao = 0;
    int anoInicial = 0, anoFinal = 0;
};
// The three fields of the new-series dialog. Empty when a field is empty (the dialog then stays
// open without a word). Throws Erro: kMsgPeriodoTempoInvalido when the first year is not before the
// last (or is not a year at all), kMsgSerieMaior300Anos when the period passes 300 years, as
// the years added later may not; ErroConversao when a field is not a whole number.
std::optional<PeriodoNovaSerie> lerPeriodoNovaSerie(QStringView codigo, QStringView anoInicial,
                                                    QStringView anoFinal);

// Every month of the period, numbered 1, 2, 3 ... in date order, without data, with start month 1.
// The table is active and ordered by Data.
SerieTabela criarSerieVazia(const PeriodoNovaSerie& periodo, qint16 nivelConsistencia);

// ---- the years at either end

// Called after each month added or removed with how many are done of how many.
using ProgressoMeses = std::function<void(qsizetype feitos, qsizetype total)>;

// Appends the months of the years after the last one up to `anoFinal`, numbered on from the
// greatest RegistroID with that record's station code. Returns the months added (none when
// `anoFinal` is the last year). Throws Erro: kMsgAnosPosteriores before the last year,
// kMsgSerieMaior300Anos when the series would pass 3600 months, kMsgSerieVaziaSemPeriodo on an
// empty series. The table ends ordered by Data.
qsizetype acrescentarAnos(SerieTabela& serie, int anoFinal, int inicioAnoHidrologico,
                          qint16 nivelConsistencia, const ProgressoMeses& progresso = {});
// Inserts the months of the years from `anoInicial` to the year before the first one, numbered
// from the smallest RegistroID + 1 upward with that record's station code; January of
// `anoInicial` carries rule code 50. Throws Erro: kMsgAnosAnteriores after the first year,
// kMsgSerieMaior300Anos when the series would pass 3600 months (a mistyped year such as 19 would
// otherwise make some 23 000 empty months), kMsgSerieVaziaSemPeriodo on an empty series.
qsizetype inserirAnos(SerieTabela& serie, int anoInicial, int inicioAnoHidrologico,
                      qint16 nivelConsistencia, const ProgressoMeses& progresso = {});

// Removes every month from January of `ano` on, or up to December of `ano`. Returns how many.
qsizetype excluirAnosDoFim(SerieTabela& serie, int ano, const ProgressoMeses& progresso = {});
qsizetype excluirAnosDoInicio(SerieTabela& serie, int ano, const ProgressoMeses& progresso = {});

// The questions asked before a deletion and before emptying a month.
QString perguntaExcluirFim(int ano);
QString perguntaExcluirInicio(int ano);
QString perguntaApagarMes(const RegistroMensal& r);

// The four period commands and what their year dialog shows.
enum class ComandoPeriodo { InserirAntes, AcrescentarDepois, ExcluirInicio, ExcluirFim };
struct PedidoAno {
    QString titulo;
    QString rotulo;
};
PedidoAno pedidoAno(ComandoPeriodo comando);
// The year dialog takes digits and Backspace only, at most five of them.
inline constexpr int kDigitosAno = 5;
bool teclaDoAno(QChar tecla);

} // namespace corvel

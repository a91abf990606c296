// The series table: one station's daily flows as monthly records, with the calculated fields every
// window shows (failure counts, percentage, situation) and the two orderings.
#pragma once

#include "sinais.h"
#include "tabela.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace corvel {

// Situation codes kept in Vazao01Status.
enum Situacao : qint16 {
    kSemDados = -2,    // no valid day, or added by the month completion
    kDescartado = -1,  // discarded by pre-processing
    kConsiderado = 0,  // takes part in analyses
};

// Rule codes kept in Vazao03Status of the first record.
inline constexpr qint16 kRegraSerieOriginal = 1000;

inline constexpr int kDiasRegistro = 31;

struct RegistroMensal {
    double registroId = 0;
    qint32 estacaoCodigo = 0;
    QDate data; // first day of the month
    // Day 1 ... 31 in m³/s; empty = failure day. Days past the month's end are never counted.
    std::array<std::optional<double>, kDiasRegistro> vazao{};
    // Day d + 1 (d from 0) as every table shows it: a day past the month's end is empty.
    std::optional<double> dia(int d) const { return d < nDias() ? vazao[static_cast<std::size_t>(d)] : std::nullopt; }
    qint16 vazao01Status = kConsiderado; // situation code
    qint16 vazao02Status = 0;            // hydrological-year start month
    std::optional<qint16> vazao03Status = 0; // rule code (first record only)
    qint16 nivelConsistencia = 2;
    // What is known of each day's value (the agency's status, typed, filled), and how the agency
    // obtained the month's flows; unknown for sources and projects without them.
    std::array<SinalDia, kDiasRegistro> sinal{};
    std::optional<qint16> metodoObtencao;

    // The flags of day d + 1 (d from 0): its status's and, in a raw month, kSinalBruto.
    Sinalizacoes sinalizacoes(int d) const {
        return sinalizacoesDoDia(sinal[static_cast<std::size_t>(d)], nivelConsistencia);
    }
    // Counts day d + 1 into `c`: its flags, and whether its status is unknown.
    void contarSinais(int d, ContagemSinais& c) const {
        c.contar(sinalizacoes(d), sinal[static_cast<std::size_t>(d)] == SinalDia::Desconhecido);
    }

    // Calculated fields, always derived from the current day values.
    int ano() const { return data.year(); }
    QString nomeMes() const;
    QString mes() const; // "Março/1995"
    bool bissexto() const { return QDate::isLeapYear(data.year()); }
    int nDias() const { return data.daysInMonth(); }
    int validos() const;
    int nullos() const { return nDias() - validos(); }
    int porcentagemFalhas() const { return nullos() * 100 / nDias(); }
    // The stored `Media` field: the failure percentage as a float (it is not a mean flow).
    double media() const { return porcentagemFalhas(); }
    int controle() const; // 19901 for January 1990, 199012 for December 1990
    QString situacao(bool mesesDescartados) const;
};

// Order in which the records are visited.
enum class Ordem { Data, RegistroID };

class SerieTabela {
public:
    // Active = a series is open (imported or read from a project file).
    bool ativa() const { return ativa_; }
    void abrir() { ativa_ = true; }
    // Closes the table and drops its records.
    void fechar();
    // Empties the table and leaves it active, as an importer does before filling it.
    void esvaziar();

    qsizetype tamanho() const { return static_cast<qsizetype>(registros_.size()); }
    bool vazia() const { return registros_.empty(); }

    // The i-th record in the current order.
    const RegistroMensal& operator[](qsizetype i) const { return registros_[ordem_[pos(i)]]; }
    RegistroMensal& operator[](qsizetype i) { return registros_[ordem_[pos(i)]]; }
    // Records in stored order: the order in which they were appended, as the file keeps them.
    const std::vector<RegistroMensal>& armazenados() const { return registros_; }
    std::vector<RegistroMensal>& armazenados() { return registros_; }

    Ordem ordem() const { return tipoOrdem_; }
    void indice() { ordenar(Ordem::Data); }       // ascending Data
    void indiceID() { ordenar(Ordem::RegistroID); } // ascending RegistroID
    // Position of the first record of this month in the current order, or -1.
    qsizetype localizar(QDate mes) const;

    // Insertion flag: a record may be appended only while it is on (on at program start).
    bool insercao() const { return insercao_; }
    void definirInsercao(bool ligada) { insercao_ = ligada; }

    // New-record rule: a record started now carries the given consistency level.
    static RegistroMensal novoRegistro(qint16 nivelConsistencia);
    // Appends a record; while the insertion flag is off the new record is cancelled at once and
    // false is returned.
    bool acrescentar(RegistroMensal r);
    // A programmatic append: the flag is turned on just before and off just after.
    void acrescentarProgramatico(RegistroMensal r);
    // Removes the i-th record of the current order.
    void remover(qsizetype i);

    // Some record has code -1 (decides the discarded-months flag).
    bool temDescartados() const;

private:
    friend SerieTabela deTabela(const Tabela& tabela);
    std::size_t pos(qsizetype i) const;
    void ordenar(Ordem o);

    std::vector<RegistroMensal> registros_;
    std::vector<std::size_t> ordem_; // positions in registros_, in the current order
    Ordem tipoOrdem_ = Ordem::Data;
    bool ativa_ = false;
    bool insercao_ = true;
};

// A value typed for day d + 1 (d from 0): the day's status becomes "digitado", unless the value is
// the one already there; an erased value leaves the day without status.
void digitarDia(RegistroMensal& r, int d, std::optional<double> valor);

// Month completion: appends every month absent from the calendar years from the earliest month's
// year to the latest month's year, each with code -2, all days empty and `Media` 100. The first
// added month gets the RegistroID of the last record in the current order + 2, the next ones
// follow one by one. Leaves the table ordered by Data.
void completaFalha(SerieTabela& serie, int inicioAnoHidrologico, qint16 nivelConsistencia);

// Mark all considered: start month := 1, and every record gets codes 0, 1, 0.
void porZeroEmDescartar(SerieTabela& serie, int& inicioAnoHidrologico);

// Stored fields of the project file, in file order: the fields every reader of project files
// knows, then `SinaisDiarios` (a text of one letter per day, letraDoSinal; null when no day's
// status is known) and `MetodoObtencaoVazoes`. A reader that does not know the last two passes
// over them by name, and a project without them reads with every status unknown.
std::vector<Campo> camposSerie();
// The table of the project file, records in stored order with `Media` written.
Tabela paraTabela(const SerieTabela& serie);
// Records from a table that has the stored fields (case ignored); `Media` is recomputed. The
// result is active, ordered by Data, with the insertion flag on. Throws ErroArquivo when a field
// is missing or a record has no date.
SerieTabela deTabela(const Tabela& tabela);

} // namespace corvel

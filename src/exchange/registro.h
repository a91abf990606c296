// The text record codec: one monthly record as 38 texts, written as a line of the own CSV/TXT
// files and read from a line of the agency's semicolon-separated daily-flow file.
#pragma once

#include "core/serie.h"

#include <QString>
#include <QStringView>
#include <array>

namespace corvel {

// Slot numbers, 1-based, in the order the record is held (not the order of the file columns).
enum SlotRegistro : int {
    kSlotRegistroID = 1,
    kSlotNivelConsistencia = 2,
    kSlotEstacaoCodigo = 3,
    kSlotData = 4,
    kSlotVazao01Status = 5,
    kSlotVazao02Status = 6,
    kSlotMedia = 7,
    kSlotVazao01 = 8, // ... kSlotVazao01 + 30 = Vazao31
};
inline constexpr int kSlotsRegistro = 38;
// Columns of an agency line up to the last day's flow; the rest of the line is ignored.
inline constexpr int kColunasAgencia = 47;

class TRegistro {
public:
    // Text of slot 1 ... 38; empty until assigned.
    const QString& texto(int slot) const { return slots_[static_cast<std::size_t>(slot - 1)]; }
    // Agency lines parsed since the last reset.
    quint32 contador() const { return contador_; }

    // The 38 column titles, each followed by the separator.
    static QString cabecalho(QChar separador);
    // The 38 slots in file column order (station before level), each followed by the separator.
    QString linha(QChar separador) const;

    // Every slot := the text form of its field (`Media` is the record's failure percentage).
    void lerDoRegistro(const RegistroMensal& r);

    // Counts the line and, when it holds at least 47 ';'-ended columns, takes the station, level,
    // month and the 31 flows from it, numbers it with the counter, marks it considered and gives it
    // the hydrological-year start month; and the method of column 6 and the 31 day statuses of
    // columns 48 to 78 where the line has them (else unknown). Slot 7 (`Media`) is left as it
    // was. A shorter line assigns nothing and returns false.
    bool lerLinhaAgencia(QStringView linha, int inicioAnoHidrologico);

    // The level of the last line read, or 0 when slot 2 is not an integer (a column-title line).
    int consistencia() const;

    // Assigns the stored fields of `r` from the slots; an empty slot is a null value. Throws
    // ErroConversao for a text that is not a number or date, for a number outside its field, and
    // for an empty month, which no monthly record can hold.
    void gravarNoRegistro(RegistroMensal& r) const;

    void reiniciar() { contador_ = 0; }

private:
    QString& slot(int i) { return slots_[static_cast<std::size_t>(i - 1)]; }
    void lerSinaisAgencia(QStringView linha);

    std::array<QString, kSlotsRegistro> slots_;
    // Not among the 38 slots of the own files: carried from an agency line or a record as they are.
    std::array<SinalDia, kDiasRegistro> sinais_{};
    std::optional<qint16> metodo_;
    quint32 contador_ = 0;
};

} // namespace corvel

// A generic in-memory table of named, typed, nullable fields with rows in order: what every file
// the system keeps (projects, station list, evaporation, gap-filling and diagram files) holds.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>
#include <vector>

namespace corvel {

enum class TipoCampo : quint8 { Inteiro = 1, Real = 2, Texto = 3, DataHora = 4, Logico = 5 };

struct Campo {
    QString nome;
    TipoCampo tipo = TipoCampo::Inteiro;
    // Inteiro: bytes (2, 4 or 8); Texto: display size in characters (0 = free); others: 0.
    int tamanho = 0;

    friend bool operator==(const Campo&, const Campo&) = default;
};

// One cell: null, or the value of the field's type. Date-times are naive (UTC time spec), so a
// midnight that a daylight-saving change skips still exists.
using Valor = std::variant<std::monostate, qint64, double, QString, QDateTime, bool>;

class Tabela {
public:
    Tabela() = default;
    explicit Tabela(std::vector<Campo> campos);

    const std::vector<Campo>& campos() const { return campos_; }
    int numeroCampos() const { return static_cast<int>(campos_.size()); }
    // Field position by name, ignoring case; -1 when absent.
    int indiceCampo(QStringView nome) const;
    // Field position by name, ignoring case; throws ErroArquivo naming the field when absent.
    int campo(QStringView nome) const;
    bool temCampo(QStringView nome) const { return indiceCampo(nome) >= 0; }

    qsizetype linhas() const { return linhas_; }
    void reservar(qsizetype linhas);
    // Appends a row with every field null; returns its position.
    qsizetype acrescentarLinha();

    const Valor& valor(qsizetype linha, int campo) const;
    bool nulo(qsizetype linha, int campo) const;
    // Sets a cell; the value must be null or of the field's type (an integer must fit its size).
    void definir(qsizetype linha, int campo, Valor v);

    std::optional<qint64> inteiro(qsizetype linha, int campo) const;
    std::optional<double> real(qsizetype linha, int campo) const;
    QString texto(qsizetype linha, int campo) const; // empty when null
    std::optional<QDateTime> dataHora(qsizetype linha, int campo) const;
    std::optional<bool> logico(qsizetype linha, int campo) const;

    friend bool operator==(const Tabela&, const Tabela&) = default;

private:
    std::size_t posicao(qsizetype linha, int campo) const;

    std::vector<Campo> campos_;
    std::vector<Valor> valores_; // row after row
    qsizetype linhas_ = 0;
};

// Whether a value of this type and size can be held by the field.
bool cabeNoCampo(const Campo& campo, const Valor& v);

} // namespace corvel

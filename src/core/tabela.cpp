// Generic table: field look-up ignoring case, typed cells with checks at every write.
#include "tabela.h"

#include "erros.h"

#include <limits>

namespace corvel {

Tabela::Tabela(std::vector<Campo> campos) : campos_(std::move(campos)) {}

int Tabela::indiceCampo(QStringView nome) const {
    for (std::size_t i = 0; i < campos_.size(); ++i)
        if (QStringView(campos_[i].nome).compare(nome, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int Tabela::campo(QStringView nome) const {
    const int i = indiceCampo(nome);
    if (i < 0)
        throw ErroArquivo(QStringLiteral("Campo '%1' não encontrado").arg(nome.toString()));
    return i;
}

void Tabela::reservar(qsizetype linhas) {
    valores_.reserve(static_cast<std::size_t>(linhas) * campos_.size());
}

qsizetype Tabela::acrescentarLinha() {
    valores_.resize(valores_.size() + campos_.size());
    return linhas_++;
}

std::size_t Tabela::posicao(qsizetype linha, int campo) const {
    Q_ASSERT(linha >= 0 && linha < linhas_ && campo >= 0 && campo < numeroCampos());
    return static_cast<std::size_t>(linha) * campos_.size() + static_cast<std::size_t>(campo);
}

const Valor& Tabela::valor(qsizetype linha, int campo) const {
    return valores_[posicao(linha, campo)];
}

bool Tabela::nulo(qsizetype linha, int campo) const {
    return std::holds_alternative<std::monostate>(valor(linha, campo));
}

bool cabeNoCampo(const Campo& campo, const Valor& v) {
    if (std::holds_alternative<std::monostate>(v))
        return true;
    switch (campo.tipo) {
    case TipoCampo::Inteiro: {
        const auto* i = std::get_if<qint64>(&v);
        if (!i)
            return false;
        switch (campo.tamanho) {
        case 2:
            return *i >= std::numeric_limits<qint16>::min() &&
                   *i <= std::numeric_limits<qint16>::max();
        case 4:
            return *i >= std::numeric_limits<qint32>::min() &&
                   *i <= std::numeric_limits<qint32>::max();
        default:
            return true;
        }
    }
    case TipoCampo::Real:
        return std::holds_alternative<double>(v);
    case TipoCampo::Texto:
        return std::holds_alternative<QString>(v);
    case TipoCampo::DataHora:
        return std::holds_alternative<QDateTime>(v) && std::get<QDateTime>(v).isValid();
    case TipoCampo::Logico:
        return std::holds_alternative<bool>(v);
    }
    return false;
}

void Tabela::definir(qsizetype linha, int campo, Valor v) {
    const Campo& c = campos_[static_cast<std::size_t>(campo)];
    if (!cabeNoCampo(c, v))
        throw ErroArquivo(QStringLiteral("Valor inválido para o campo '%1'").arg(c.nome));
    valores_[posicao(linha, campo)] = std::move(v);
}

std::optional<qint64> Tabela::inteiro(qsizetype linha, int campo) const {
    if (const auto* p = std::get_if<qint64>(&valor(linha, campo)))
        return *p;
    return std::nullopt;
}

std::optional<double> Tabela::real(qsizetype linha, int campo) const {
    const Valor& v = valor(linha, campo);
    if (const auto* p = std::get_if<double>(&v))
        return *p;
    if (const auto* p = std::get_if<qint64>(&v))
        return static_cast<double>(*p);
    return std::nullopt;
}

QString Tabela::texto(qsizetype linha, int campo) const {
    if (const auto* p = std::get_if<QString>(&valor(linha, campo)))
        return *p;
    return {};
}

std::optional<QDateTime> Tabela::dataHora(qsizetype linha, int campo) const {
    if (const auto* p = std::get_if<QDateTime>(&valor(linha, campo)))
        return *p;
    return std::nullopt;
}

std::optional<bool> Tabela::logico(qsizetype linha, int campo) const {
    if (const auto* p = std::get_if<bool>(&valor(linha, campo)))
        return *p;
    return std::nullopt;
}

} // namespace corvel

// Text record codec: slots to and from the series' monthly records, the own file line layout and
// the agency line layout.
#include "registro.h"

#include "core/erros.h"
#include "core/formato.h"

#include <limits>
#include <optional>

namespace corvel {

namespace {

constexpr int kColunaEstacao = 1;
constexpr int kColunaNivel = 2;
constexpr int kColunaData = 3;
constexpr int kColunaMetodo = 6;
constexpr int kColunaVazao01 = 17;
constexpr int kColunaStatus01 = 48;

// File column order: the station comes before the level, unlike the slots.
constexpr std::array<int, kSlotsRegistro> kOrdemColunas = [] {
    std::array<int, kSlotsRegistro> o{};
    o[0] = kSlotRegistroID;
    o[1] = kSlotEstacaoCodigo;
    o[2] = kSlotNivelConsistencia;
    for (int c = 4; c <= kSlotsRegistro; ++c)
        o[static_cast<std::size_t>(c - 1)] = c;
    return o;
}();

QString textoOpcional(const std::optional<double>& v) {
    return v ? formatarGeral(*v) : QString();
}

std::optional<long long> inteiroOuNulo(const QString& texto, long long minimo, long long maximo,
                                       const char* campo) {
    if (texto.isEmpty())
        return std::nullopt;
    const long long v = lerInteiro(texto);
    if (v < minimo || v > maximo)
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido para %2")
                                .arg(texto, QString::fromLatin1(campo)));
    return v;
}

qint16 curto(const QString& texto, const char* campo) {
    constexpr auto minimo = std::numeric_limits<qint16>::min();
    constexpr auto maximo = std::numeric_limits<qint16>::max();
    // A monthly record cannot leave this field empty: a null reads as 0, as in the project reader.
    return static_cast<qint16>(inteiroOuNulo(texto, minimo, maximo, campo).value_or(0));
}

std::optional<double> realOuNulo(const QString& texto) {
    if (texto.isEmpty())
        return std::nullopt;
    return lerReal(texto);
}

} // namespace

QString TRegistro::cabecalho(QChar separador) {
    static const std::array<const char*, kSlotVazao01 - 1> titulos = {
        "Registro",
        "Estação",
        "Nível de consistência (1 = dados Brutos, 2 = Dados consistidos)",
        "Data",
        "Situação(-2=falha,-1=descartado,0=ok)",
        "Início_Do_Ano_Hidrológico",
        "%Falhas"};
    QString t;
    for (const char* titulo : titulos)
        t += QString::fromUtf8(titulo) + separador;
    for (int d = 1; d <= kDiasRegistro; ++d)
        t += QStringLiteral("Vazao%1").arg(d, 2, 10, QLatin1Char('0')) + separador;
    return t;
}

QString TRegistro::linha(QChar separador) const {
    QString t;
    t.reserve(kSlotsRegistro * 8);
    for (int s : kOrdemColunas)
        t += texto(s) + separador;
    return t;
}

void TRegistro::lerDoRegistro(const RegistroMensal& r) {
    slot(kSlotRegistroID) = formatarGeral(r.registroId);
    slot(kSlotNivelConsistencia) = QString::number(r.nivelConsistencia);
    slot(kSlotEstacaoCodigo) = QString::number(r.estacaoCodigo);
    slot(kSlotData) = r.data.isValid() ? formatarData(r.data) : QString();
    slot(kSlotVazao01Status) = QString::number(r.vazao01Status);
    slot(kSlotVazao02Status) = QString::number(r.vazao02Status);
    slot(kSlotMedia) = formatarGeral(r.media());
    sinais_ = r.sinal;
    metodo_ = r.metodoObtencao;
    for (int d = 0; d < kDiasRegistro; ++d)
        slot(kSlotVazao01 + d) = textoOpcional(r.vazao[static_cast<std::size_t>(d)]);
}

bool TRegistro::lerLinhaAgencia(QStringView linha, int inicioAnoHidrologico) {
    ++contador_;
    // Column k runs from after the (k-1)-th ';' to the k-th.
    std::array<qsizetype, kColunasAgencia + 1> fim{};
    fim[0] = -1;
    int colunas = 0;
    for (qsizetype i = 0; i < linha.size() && colunas < kColunasAgencia; ++i)
        if (linha[i] == u';')
            fim[static_cast<std::size_t>(++colunas)] = i;
    if (colunas < kColunasAgencia)
        return false;
    auto coluna = [&](int k) {
        const qsizetype inicio = fim[static_cast<std::size_t>(k - 1)] + 1;
        return linha.mid(inicio, fim[static_cast<std::size_t>(k)] - inicio).toString();
    };
    slot(kSlotRegistroID) = QString::number(contador_);
    slot(kSlotEstacaoCodigo) = coluna(kColunaEstacao);
    slot(kSlotNivelConsistencia) = coluna(kColunaNivel);
    slot(kSlotVazao01Status) = QStringLiteral("0");
    slot(kSlotVazao02Status) = QString::number(inicioAnoHidrologico);
    slot(kSlotData) = coluna(kColunaData);
    for (int d = 0; d < kDiasRegistro; ++d)
        slot(kSlotVazao01 + d) = coluna(kColunaVazao01 + d);
    lerSinaisAgencia(linha);
    return true;
}

void TRegistro::lerSinaisAgencia(QStringView linha) {
    sinais_.fill(SinalDia::Desconhecido);
    metodo_.reset();
    int coluna = 1;
    qsizetype inicio = 0;
    const auto inteiro = [](QStringView t) -> std::optional<long long> {
        try {
            return t.trimmed().isEmpty() ? std::nullopt : std::optional(lerInteiro(t));
        } catch (const ErroConversao&) {
            return std::nullopt; // an unreadable status says nothing of the day
        }
    };
    for (qsizetype i = 0; i < linha.size() && coluna < kColunaStatus01 + kDiasRegistro; ++i) {
        if (linha[i] != u';') continue;
        const QStringView texto = linha.sliced(inicio, i - inicio);
        if (coluna == kColunaMetodo) {
            if (const auto m = inteiro(texto); m && *m >= 0 && *m <= 32767)
                metodo_ = static_cast<qint16>(*m);
        } else if (coluna >= kColunaStatus01) {
            if (const auto s = inteiro(texto))
                sinais_[static_cast<std::size_t>(coluna - kColunaStatus01)] = sinalDaAgencia(*s);
        }
        ++coluna;
        inicio = i + 1;
    }
}

int TRegistro::consistencia() const {
    try {
        const long long v = lerInteiro(texto(kSlotNivelConsistencia));
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return static_cast<int>(v);
    } catch (const ErroConversao&) {
    }
    return 0;
}

void TRegistro::gravarNoRegistro(RegistroMensal& r) const {
    r.registroId = realOuNulo(texto(kSlotRegistroID)).value_or(0);
    r.estacaoCodigo = static_cast<qint32>(
        inteiroOuNulo(texto(kSlotEstacaoCodigo), std::numeric_limits<qint32>::min(),
                      std::numeric_limits<qint32>::max(), "EstacaoCodigo")
            .value_or(0));
    r.nivelConsistencia = curto(texto(kSlotNivelConsistencia), "NivelConsistencia");
    const QString& data = texto(kSlotData);
    if (data.isEmpty())
        throw ErroConversao(QStringLiteral("'' não é uma data válida"));
    const QDate dia = lerData(data);
    // A monthly record is keyed by the first day of its month, as the project reader keys it.
    r.data = QDate(dia.year(), dia.month(), 1);
    r.vazao01Status = curto(texto(kSlotVazao01Status), "Vazao01Status");
    r.vazao02Status = curto(texto(kSlotVazao02Status), "Vazao02Status");
    // `Media` is derived from the day values whenever the record is read, so its text is only
    // checked here.
    (void)realOuNulo(texto(kSlotMedia));
    for (int d = 0; d < kDiasRegistro; ++d)
        r.vazao[static_cast<std::size_t>(d)] = realOuNulo(texto(kSlotVazao01 + d));
    r.sinal = sinais_;
    r.metodoObtencao = metodo_;
}

} // namespace corvel

// Day statuses, flags and their names.
#include "sinais.h"

#include <QStringList>
#include <array>

namespace corvel {

namespace {

constexpr std::array<char16_t, kSinaisDia> kLetras = {u'?', u'R', u'E', u'D', u'S',
                                                     u'C', u'Z', u'X', u'T', u'P'};

struct NomesSinalizacao {
    Sinalizacao bit;
    const char* chave;
    const char* nome;
};
constexpr std::array<NomesSinalizacao, kTiposSinalizacao> kSinalizacoes = {{
    {kSinalEstimado, "estimado", "estimado"},
    {kSinalDuvidoso, "duvidoso", "duvidoso"},
    {kSinalReguaSeca, "regua-seca", "régua seca"},
    {kSinalReguaCoberta, "regua-coberta", "régua coberta"},
    {kSinalRioSeco, "rio-seco", "rio seco"},
    {kSinalRioCortado, "rio-cortado", "rio cortado"},
    {kSinalBruto, "bruto", "bruto"},
    {kSinalPreenchido, "preenchido", "preenchido"},
    {kSinalDigitado, "digitado", "digitado"},
}};

} // namespace

SinalDia sinalDaAgencia(long long codigo) {
    return codigo >= 1 && codigo <= 7 ? static_cast<SinalDia>(codigo) : SinalDia::Desconhecido;
}

std::optional<SinalDia> lerSinalDoTexto(QStringView texto) {
    const QString t = texto.trimmed().toString().toLower();
    if (t.isEmpty()) return SinalDia::Desconhecido;
    bool numero = false;
    const int codigo = t.toInt(&numero);
    if (numero) {
        if (codigo < 0 || codigo > 7) return std::nullopt;
        return sinalDaAgencia(codigo);
    }
    // Without accents, and '-' or '_' as a space.
    QString simples = t.normalized(QString::NormalizationForm_D);
    simples.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    simples.replace(u'-', u' ').replace(u'_', u' ');
    for (int s = static_cast<int>(SinalDia::Real); s < kSinaisDia; ++s) {
        QString nome = nomeDoSinal(static_cast<SinalDia>(s)).normalized(QString::NormalizationForm_D);
        nome.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        if (simples == nome) return static_cast<SinalDia>(s);
    }
    return std::nullopt;
}

QChar letraDoSinal(SinalDia s) {
    return QChar(kLetras[static_cast<std::size_t>(s)]);
}

SinalDia sinalDaLetra(QChar letra) {
    for (std::size_t i = 0; i < kLetras.size(); ++i)
        if (letra == QChar(kLetras[i])) return static_cast<SinalDia>(i);
    return SinalDia::Desconhecido;
}

QString nomeDoSinal(SinalDia s) {
    switch (s) {
    case SinalDia::Desconhecido:
        return QStringLiteral("desconhecido");
    case SinalDia::Real:
        return QStringLiteral("real");
    case SinalDia::Digitado:
        return QStringLiteral("digitado");
    case SinalDia::Preenchido:
        return QStringLiteral("preenchido");
    default:
        break;
    }
    // Estimado ... RioCortado are flags 0 to 5 in the same order.
    return nomeDaSinalizacao(static_cast<int>(s) - static_cast<int>(SinalDia::Estimado));
}

Sinalizacoes sinalizacoesDoDia(SinalDia s, int nivel) {
    Sinalizacoes r = nivel == 1 ? kSinalBruto : kSemSinal;
    switch (s) {
    case SinalDia::Estimado:
        return r | kSinalEstimado;
    case SinalDia::Duvidoso:
        return r | kSinalDuvidoso;
    case SinalDia::ReguaSeca:
        return r | kSinalReguaSeca;
    case SinalDia::ReguaCoberta:
        return r | kSinalReguaCoberta;
    case SinalDia::RioSeco:
        return r | kSinalRioSeco;
    case SinalDia::RioCortado:
        return r | kSinalRioCortado;
    case SinalDia::Preenchido:
        return r | kSinalPreenchido;
    case SinalDia::Digitado:
        return r | kSinalDigitado;
    case SinalDia::Desconhecido:
    case SinalDia::Real:
        break;
    }
    return r;
}

Sinalizacao sinalizacao(int i) {
    return kSinalizacoes[static_cast<std::size_t>(i)].bit;
}

QString chaveDaSinalizacao(int i) {
    return QString::fromLatin1(kSinalizacoes[static_cast<std::size_t>(i)].chave);
}

QString nomeDaSinalizacao(int i) {
    return QString::fromUtf8(kSinalizacoes[static_cast<std::size_t>(i)].nome);
}

std::optional<Sinalizacoes> lerSinalizacoes(QStringView texto) {
    Sinalizacoes r = kSemSinal;
    for (QStringView chave : texto.split(u',')) {
        chave = chave.trimmed();
        bool achou = false;
        for (int i = 0; i < kTiposSinalizacao && !achou; ++i)
            if (chave.compare(chaveDaSinalizacao(i), Qt::CaseInsensitive) == 0) {
                r |= sinalizacao(i);
                achou = true;
            }
        if (!achou) return std::nullopt;
    }
    return r;
}

QString nomesDasSinalizacoes(Sinalizacoes s) {
    QStringList nomes;
    for (int i = 0; i < kTiposSinalizacao; ++i)
        if (s & sinalizacao(i)) nomes << nomeDaSinalizacao(i);
    return nomes.join(QStringLiteral(", "));
}

void ContagemSinais::contar(Sinalizacoes s, bool desconhecido) {
    for (int i = 0; i < kTiposSinalizacao; ++i)
        if (s & sinalizacao(i)) ++dias[i];
    if (s & kSinalizacoesPadrao) ++sinalizados;
    if (desconhecido) ++desconhecidos;
}

void ContagemSinais::somar(const ContagemSinais& outra) {
    for (int i = 0; i < kTiposSinalizacao; ++i)
        dias[i] += outra.dias[i];
    sinalizados += outra.sinalizados;
    desconhecidos += outra.desconhecidos;
}

QString ContagemSinais::descricao() const {
    QStringList partes;
    for (int i = 0; i < kTiposSinalizacao; ++i)
        if (dias[i] > 0 && (sinalizacao(i) & kSinalizacoesPadrao))
            partes << QStringLiteral("%1 %2").arg(dias[i]).arg(nomeDaSinalizacao(i));
    return partes.join(QStringLiteral(", "));
}

QString nomeDoMetodo(std::optional<qint16> metodo) {
    switch (metodo.value_or(0)) {
    case 1:
        return QStringLiteral("curva de descarga");
    case 2:
        return QStringLiteral("transferência de vazão");
    case 3:
        return QStringLiteral("soma de vazões");
    case 4:
        return QStringLiteral("ADCP");
    default:
        return QStringLiteral("desconhecido");
    }
}

} // namespace corvel

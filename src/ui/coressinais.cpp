// Colours, tooltips and legend of the days' statuses.
#include "coressinais.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <array>

namespace corvel::ui {

namespace {

struct Cor {
    const char* nome;
    QColor cor;
};

// Light tints that keep the black digits readable; dry gauge and dry river share theirs, as do
// covered gauge and cut river.
const std::array<Cor, 7> kCores = {{
    {"Estimado", QColor(0xff, 0xf0, 0xa8)},
    {"Duvidoso", QColor(0xff, 0xc9, 0x9e)},
    {"Régua seca ou rio seco", QColor(0xc6, 0xdd, 0xf5)},
    {"Régua coberta ou rio cortado", QColor(0xe2, 0xcf, 0xf4)},
    {"Preenchido", QColor(0xc9, 0xec, 0xc9)},
    {"Digitado", QColor(0xc8, 0xf0, 0xf0)},
    {"Mês bruto (nível 1)", QColor(0xe6, 0xe0, 0xd6)},
}};

std::optional<QColor> corDoSinal(SinalDia s) {
    switch (s) {
    case SinalDia::Estimado:
        return kCores[0].cor;
    case SinalDia::Duvidoso:
        return kCores[1].cor;
    case SinalDia::ReguaSeca:
    case SinalDia::RioSeco:
        return kCores[2].cor;
    case SinalDia::ReguaCoberta:
    case SinalDia::RioCortado:
        return kCores[3].cor;
    case SinalDia::Preenchido:
        return kCores[4].cor;
    case SinalDia::Digitado:
        return kCores[5].cor;
    case SinalDia::Desconhecido:
    case SinalDia::Real:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QColor> corDoDia(const RegistroMensal& r, int d) {
    if (const auto c = corDoSinal(r.sinal[static_cast<std::size_t>(d)])) return c;
    if (r.nivelConsistencia == 1) return kCores[6].cor;
    return std::nullopt;
}

QString dicaDoDia(const RegistroMensal& r, int d) {
    const SinalDia s = r.sinal[static_cast<std::size_t>(d)];
    QString t;
    if (s != SinalDia::Desconhecido && s != SinalDia::Real) {
        t = nomeDoSinal(s);
        t[0] = t[0].toUpper();
    }
    if (r.nivelConsistencia == 1)
        t += (t.isEmpty() ? QStringLiteral("Mês") : QStringLiteral("; mês")) +
             QStringLiteral(" de dados brutos (nível 1)");
    return t;
}

QString dicaDoMes(const RegistroMensal& r) {
    QString t = QStringLiteral("Nível de consistência %1").arg(r.nivelConsistencia);
    if (r.nivelConsistencia == 1) t += QStringLiteral(" (bruto)");
    if (r.nivelConsistencia == 2) t += QStringLiteral(" (consistido)");
    if (r.metodoObtencao)
        t += QStringLiteral("; vazões obtidas por ") + nomeDoMetodo(r.metodoObtencao);
    return t;
}

QWidget* criarLegendaSinais(QWidget* pai) {
    auto* legenda = new QWidget(pai);
    legenda->setObjectName(QStringLiteral("legendaSinais"));
    auto* linha = new QHBoxLayout(legenda);
    linha->setContentsMargins(4, 2, 4, 2);
    for (const Cor& c : kCores) {
        auto* amostra = new QLabel(legenda);
        amostra->setFixedSize(14, 14);
        amostra->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #999;")
                                   .arg(c.cor.name()));
        linha->addWidget(amostra);
        auto* nome = new QLabel(QString::fromUtf8(c.nome), legenda);
        linha->addWidget(nome);
        linha->addSpacing(10);
    }
    linha->addStretch(1);
    legenda->setToolTip(QStringLiteral(
        "Os sinais dos dias vêm da Vidara (estimado, duvidoso, régua seca, ...) ou do programa "
        "(digitado, preenchido); passe o cursor sobre um dia para ver o seu."));
    return legenda;
}

} // namespace corvel::ui

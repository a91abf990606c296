// Generates the sample project for newcomers: a SYNTHETIC station (code 99990001, "Exemplo
// sintético") with daily flows from 1990 to 2023, made from a fixed seed so that every run writes
// the same bytes. Nothing here was measured at a real river.
//
// The flows follow a wet season from December to April and a dry season from June to September:
// a seasonal base flow, day-to-day persistence (a lognormal AR(1) factor) and storm peaks that
// recede exponentially. Like a real record it has gaps: scattered missing days, two months with
// long gaps, one month present but without any value, and three months absent from the source,
// which the month completion adds as "Inexistente".
//
// Usage: gerar-exemplo <resources folder>
//   writes <folder>/exemplo/99990001.cvl and <folder>/EstacaoListaCorvel1_0.xml
#include "core/arquivotabela.h"
#include "core/bancada.h"
#include "core/projeto.h"

#include <QDir>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

using namespace corvel;

namespace {

constexpr qint32 kCodigo = 99990001;
constexpr int kAnoInicial = 1990;
constexpr int kAnoFinal = 2023;

// Uniform in (0, 1) from the raw engine output: std::uniform_real_distribution is not the same on
// every standard library, the engine is.
class Acaso {
public:
    explicit Acaso(std::uint32_t semente) : motor_(semente) {}
    double uniforme() { return (static_cast<double>(motor_()) + 0.5) / 4294967296.0; }
    double normal() { // Box-Muller
        const double u1 = uniforme(), u2 = uniforme();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::mt19937 motor_;
};

// Mean flow of the season on a given day of the year, m³/s: about 25 in September, 160 in February.
double vazaoSazonal(int diaDoAno) {
    const double fase = 2.0 * std::numbers::pi * (diaDoAno - 45) / 365.25;
    return std::exp(std::log(65.0) + 0.9 * std::cos(fase));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("uso: gerar-exemplo <pasta resources>\n", stderr);
        return 2;
    }
    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    Acaso acaso(20240917);

    Bancada b;
    b.serie.esvaziar();
    b.nivelConsistencia = 2;
    const std::array<QDate, 3> ausentes = {QDate(1994, 7, 1), QDate(2003, 11, 1), QDate(2017, 2, 1)};
    const QDate semValores(2008, 5, 1);
    const std::array<QDate, 2> falhasLongas = {QDate(1998, 1, 1), QDate(2012, 8, 1)};

    double persistencia = 0; // AR(1) in log space
    double cheia = 0;        // storm runoff still in the river
    double id = 0;
    for (QDate mes(kAnoInicial, 1, 1); mes.year() <= kAnoFinal; mes = mes.addMonths(1)) {
        RegistroMensal r = SerieTabela::novoRegistro(b.nivelConsistencia);
        r.estacaoCodigo = kCodigo;
        r.data = mes;
        for (int d = 0; d < mes.daysInMonth(); ++d) {
            const QDate dia = mes.addDays(d);
            persistencia = 0.92 * persistencia + 0.08 * acaso.normal();
            const bool chuvoso = mes.month() >= 11 || mes.month() <= 4;
            if (acaso.uniforme() < (chuvoso ? 0.06 : 0.01))
                cheia += vazaoSazonal(dia.dayOfYear()) * (0.5 + 2.5 * acaso.uniforme());
            cheia *= 0.75;
            double q = vazaoSazonal(dia.dayOfYear()) * std::exp(persistencia) + cheia;
            q = std::round(q * 100.0) / 100.0;
            const bool falha = acaso.uniforme() < 0.004 ||
                               (std::find(falhasLongas.begin(), falhasLongas.end(), mes) !=
                                    falhasLongas.end() &&
                                d >= 9 && d < 21) ||
                               mes == semValores;
            if (!falha)
                r.vazao[static_cast<std::size_t>(d)] = q;
        }
        if (std::find(ausentes.begin(), ausentes.end(), mes) != ausentes.end())
            continue;
        r.registroId = ++id;
        b.serie.acrescentarProgramatico(std::move(r));
    }
    b.porZeroEmDescartar();
    b.completaFalha();

    pasta.mkpath(QStringLiteral("exemplo"));
    gravarProjeto(pasta.filePath(QStringLiteral("exemplo/99990001.cvl")), b.serie);

    Tabela lista({{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                  {QStringLiteral("Nome"), TipoCampo::Texto, 50},
                  {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
                  {QStringLiteral("Longitude"), TipoCampo::Texto, 17}});
    const qsizetype l = lista.acrescentarLinha();
    lista.definir(l, 0, QString::number(kCodigo));
    lista.definir(l, 1, QStringLiteral("EXEMPLO SINTÉTICO (DADOS FICTÍCIOS)"));
    lista.definir(l, 2, QStringLiteral("-22,5000"));
    lista.definir(l, 3, QStringLiteral("-47,0000"));
    gravarTabela(pasta.filePath(QString::fromLatin1(kArquivoListaEstacoes)), lista);
    return 0;
}

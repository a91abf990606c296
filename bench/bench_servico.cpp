// The web service on a century of daily flows (1924-2023 at both consistency levels, about 6 MB of
// XML): the transformation of the answer into the series, the XML reading alone, and a download end
// to end from a server on 127.0.0.1 (request, transformation, completion, project saved).
#include "exchange/respostasservico.h"
#include "servidorteste.h"

#include "core/bancada.h"
#include "exchange/clienteservico.h"
#include "exchange/leitorxml.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

QByteArray respostaSecular() {
    std::vector<teste::MesResposta> meses;
    for (int nivel = 1; nivel <= 2; ++nivel)
        for (QDate m(1924, 1, 1); m.year() <= 2023; m = m.addMonths(1))
            meses.push_back({nivel, m, [m](int d) -> std::optional<double> {
                                 if ((d + m.month()) % 23 == 0) return std::nullopt;
                                 return std::round((50.0 + 30.0 * std::sin(d + m.month())) * 1000) /
                                        1000;
                             }});
    return teste::respostaVazoes(56110005, meses);
}

const QByteArray& resposta() {
    static const QByteArray r = respostaSecular();
    return r;
}

void BM_TransformarVazoes100Anos(benchmark::State& state) {
    const Mapeamento todp = lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/TODP.xtr"));
    for (auto _ : state) {
        VazoesBaixadas v = converterVazoes(todp, resposta(), 56110005);
        benchmark::DoNotOptimize(v.importacao.serie.tamanho());
        state.counters["meses"] = double(v.importacao.serie.tamanho());
    }
    state.SetBytesProcessed(state.iterations() * resposta().size());
}
BENCHMARK(BM_TransformarVazoes100Anos)->Unit(benchmark::kMillisecond);

struct Nada : ConsumidorXml {
    qsizetype n = 0;
    void inicio(QByteArrayView, std::span<const AtributoXml>) override { ++n; }
    void texto(QByteArrayView) override {}
    void fim() override {}
    void recomecar() override { n = 0; }
};

// The general parser on the same answer, for comparison with the scanner the transformation uses.
void BM_LerXml100Anos(benchmark::State& state) {
    for (auto _ : state) {
        Nada n;
        if (state.range(0))
            lerXmlRapido(resposta(), n);
        else
            lerXmlQt(resposta(), n);
        benchmark::DoNotOptimize(n.n);
    }
    state.SetBytesProcessed(state.iterations() * resposta().size());
    state.SetLabel(state.range(0) ? "varredor" : "QXmlStreamReader");
}
BENCHMARK(BM_LerXml100Anos)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_BaixarEstacao100AnosDoServidorLocal(benchmark::State& state) {
    QTemporaryDir pasta;
    QDir().mkpath(pasta.filePath(QStringLiteral("dados")));
    teste::ServidorTeste servidor([](const QByteArray&) {
        return teste::RespostaHttp{200, "OK", resposta()};
    });
    ClienteServico cliente({servidor.endereco(), 10000});
    Bancada bancada(QStringLiteral(CORVEL_RESOURCES), pasta.filePath(QStringLiteral("dados")));
    for (auto _ : state) {
        VazoesBaixadas v = baixarVazoes(cliente.requisicao(), QStringLiteral("56110005"),
                                        PastasServico::de(bancada));
        assumirVazoes(bancada, std::move(v), pasta.filePath(QStringLiteral("56110005.cvl")));
        state.counters["meses"] = double(bancada.serie.tamanho());
    }
}
BENCHMARK(BM_BaixarEstacao100AnosDoServidorLocal)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the download waits in an event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

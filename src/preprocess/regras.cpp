// Discard rules, year discard and restore, and the edge discard.
#include "regras.h"

#include "core/erros.h"
#include "core/formato.h"

#include <algorithm>

namespace corvel {

namespace {

void validarPercentual(int percentual) {
    if (percentual < 1 || percentual > 99)
        throw Erro(
            QStringLiteral("O percentual de falhas deve estar entre 1 e 99: %1").arg(percentual));
}

void gravarCodigo(SerieTabela& serie, qint16 codigo) {
    if (RegistroMensal* r = primeiroRegistro(serie)) r->vazao03Status = codigo;
}

qint16 situacaoRestaurada(const RegistroMensal& r) {
    return r.validos() == 0 ? kSemDados : kConsiderado; // `Media` is 100 exactly then
}

// Sets every month from `situacao(r)`, reporting progress every so often.
template <typename F> void paraCadaMes(SerieTabela& serie, const Andamento& andamento, F situacao) {
    auto& registros = serie.armazenados();
    const auto total = static_cast<qsizetype>(registros.size());
    for (qsizetype i = 0; i < total; ++i) {
        RegistroMensal& r = registros[static_cast<std::size_t>(i)];
        r.vazao01Status = situacao(r);
        if (andamento && ((i + 1) % 64 == 0 || i + 1 == total)) andamento(i + 1, total);
    }
}

// Discards the listed years whose annual percentage reaches `limiar` and restores the others.
void aplicarLimiarAnual(SerieTabela& serie, int inicioAnoHidrologico, double limiar,
                        const Andamento& andamento) {
    const ListagemAnual listagem = listarAnos(serie, inicioAnoHidrologico);
    if (listagem.anos.empty()) return;
    const int primeiro = listagem.anos.front().ano;
    // -1 discard, 0 restore, 1 not listed (left as it is).
    std::vector<int> decisao(static_cast<std::size_t>(listagem.anos.back().ano - primeiro + 1), 1);
    for (const LinhaAnual& a : listagem.anos)
        decisao[static_cast<std::size_t>(a.ano - primeiro)] =
            a.porcentagemAnualNulos >= limiar ? -1 : 0;
    const auto total = static_cast<qsizetype>(serie.armazenados().size());
    qsizetype feitos = 0;
    for (RegistroMensal& r : serie.armazenados()) {
        ++feitos;
        const int ano = anoHidrologicoDe(r.data, inicioAnoHidrologico) - primeiro;
        if (ano < 0 || ano >= static_cast<int>(decisao.size())) continue;
        const int d = decisao[static_cast<std::size_t>(ano)];
        if (d == -1)
            r.vazao01Status = kDescartado;
        else if (d == 0)
            r.vazao01Status = situacaoRestaurada(r);
        if (andamento && (feitos % 64 == 0 || feitos == total)) andamento(feitos, total);
    }
}

} // namespace

const RegistroMensal* primeiroRegistro(const SerieTabela& serie) {
    if (serie.vazia()) return nullptr;
    if (serie.ordem() == Ordem::Data) return &serie[0];
    const auto& r = serie.armazenados();
    return &*std::min_element(
        r.begin(), r.end(),
        [](const RegistroMensal& a, const RegistroMensal& b) { return a.data < b.data; });
}

RegistroMensal* primeiroRegistro(SerieTabela& serie) {
    return const_cast<RegistroMensal*>(primeiroRegistro(std::as_const(serie)));
}

int limiarMensal(int percentual, int dias) {
    // p × n is a whole number, so p × n / 100 is either exact or no tie.
    const auto dia = arredondarParaPar(percentual * dias / 100.0);
    return static_cast<int>(std::max(1LL, dia));
}

void serieOriginal(SerieTabela& serie, int inicioAnoHidrologico, const Andamento& andamento) {
    const int g = inicioValido(inicioAnoHidrologico);
    paraCadaMes(serie, andamento, [g](RegistroMensal& r) {
        r.vazao02Status = static_cast<qint16>(g);
        return situacaoRestaurada(r);
    });
    descarteBordas(serie, g);
    gravarCodigo(serie, kRegraSerieOriginal);
}

void descartarMesesComFalhas(SerieTabela& serie, const Andamento& andamento) {
    paraCadaMes(serie, andamento, [](const RegistroMensal& r) {
        return r.nullos() > 0 ? kDescartado : kConsiderado;
    });
    gravarCodigo(serie, kRegraMesesComFalhas);
}

void descartarMesesPorPercentual(SerieTabela& serie, int percentual, const Andamento& andamento) {
    validarPercentual(percentual);
    int limiar[32] = {};
    for (int n = 28; n <= 31; ++n)
        limiar[n] = limiarMensal(percentual, n);
    paraCadaMes(serie, andamento, [&limiar](const RegistroMensal& r) {
        return r.nullos() >= limiar[r.nDias()] ? kDescartado : kConsiderado;
    });
    gravarCodigo(serie, static_cast<qint16>(kRegraPercentualMensal + percentual));
}

void descartarAnosComFalhas(SerieTabela& serie, int inicioAnoHidrologico,
                            const Andamento& andamento) {
    aplicarLimiarAnual(serie, inicioAnoHidrologico, kLimiarAnosComFalhas, andamento);
    gravarCodigo(serie, kRegraAnosComFalhas);
}

void descartarAnosPorPercentual(SerieTabela& serie, int inicioAnoHidrologico, int percentual,
                                const Andamento& andamento) {
    validarPercentual(percentual);
    aplicarLimiarAnual(serie, inicioAnoHidrologico, percentual, andamento);
    gravarCodigo(serie, static_cast<qint16>(kRegraPercentualAnual + percentual));
}

void descartarAno(SerieTabela& serie, int ano, int inicioAnoHidrologico) {
    for (RegistroMensal& r : serie.armazenados())
        if (anoHidrologicoDe(r.data, inicioAnoHidrologico) == ano) r.vazao01Status = kDescartado;
}

void restaurarAno(SerieTabela& serie, int ano, int inicioAnoHidrologico) {
    for (RegistroMensal& r : serie.armazenados())
        if (anoHidrologicoDe(r.data, inicioAnoHidrologico) == ano)
            r.vazao01Status = situacaoRestaurada(r);
}

void descarteBordas(SerieTabela& serie, int inicioAnoHidrologico) {
    if (serie.vazia() || inicioAnoHidrologico < 2 || inicioAnoHidrologico > 12) return;
    const auto& registros = serie.armazenados();
    const auto [primeiro, ultimo] = std::minmax_element(
        registros.begin(), registros.end(),
        [](const RegistroMensal& a, const RegistroMensal& b) { return a.data < b.data; });
    const QDate inicio = inicioDoAno(primeiro->data.year(), inicioAnoHidrologico);
    const QDate fim = inicioDoAno(ultimo->data.year(), inicioAnoHidrologico);
    for (RegistroMensal& r : serie.armazenados())
        if (r.data < inicio || r.data >= fim) r.vazao01Status = kDescartado;
}

} // namespace corvel

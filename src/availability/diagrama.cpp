// The availability diagram's table, period check and file.
#include "diagrama.h"

#include "textosdiagrama.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/formato.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace corvel {

namespace {

[[noreturn]] void periodoInvalido() {
    throw Erro(QString::fromUtf8(kMsgPeriodoInvalido));
}

[[noreturn]] void naoEhDiagrama() {
    throw Erro(QString::fromUtf8(kMsgNaoEhDiagrama));
}

// The year boxes take digits only: a sign or a space is no year.
int lerAno(const QString& texto) {
    if (!std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        throw ErroConversao(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto));
    const long long ano = lerInteiro(texto);
    // A year too large for any period is refused like any other period that cannot be.
    if (ano < std::numeric_limits<int>::min() || ano > std::numeric_limits<int>::max())
        periodoInvalido();
    return static_cast<int>(ano);
}

} // namespace

PeriodoDiagrama lerPeriodoDiagrama(const QString& anoInicial, const QString& anoFinal) {
    // Either short text is refused: "199" to "2000" would otherwise build 1 802 year columns.
    if (anoInicial.size() < 4 || anoFinal.size() < 4) periodoInvalido();
    const PeriodoDiagrama p{lerAno(anoInicial), lerAno(anoFinal)};
    if (p.anoInicial >= p.anoFinal) periodoInvalido();
    // Beyond this the saved diagram could not be opened again.
    if (p.anoInicial < 1 || p.numeroAnos() > kMaximoAnosDiagrama) periodoInvalido();
    return p;
}

std::optional<int> Diagrama::celula(qsizetype linha, int ano) const {
    const auto& anos = linhas[static_cast<std::size_t>(linha)].anos;
    const int i = ano - periodo.anoInicial;
    if (i < 0 || i >= static_cast<int>(anos.size())) return std::nullopt;
    return anos[static_cast<std::size_t>(i)];
}

bool Diagrama::contemEstacao(const QString& codigo) const {
    return std::any_of(linhas.begin(), linhas.end(),
                       [&](const LinhaDiagrama& l) { return l.estacao == codigo; });
}

void Diagrama::acrescentar(const QString& codigo, std::vector<std::optional<int>> anos,
                           std::vector<std::optional<int>> estimados,
                           std::vector<std::optional<int>> brutos) {
    const auto n = static_cast<std::size_t>(periodo.numeroAnos());
    anos.resize(n);
    if (!estimados.empty()) estimados.resize(n);
    if (!brutos.empty()) brutos.resize(n);
    linhas.push_back({proximaOrdem++, codigo, std::move(anos), std::move(estimados),
                      std::move(brutos)});
}

void Diagrama::excluir(qsizetype linha) {
    linhas.erase(linhas.begin() + linha);
}

std::optional<qsizetype> Diagrama::localizarInicial(QChar letra) const {
    for (std::size_t i = 0; i < linhas.size(); ++i)
        if (linhas[i].estacao.startsWith(letra, Qt::CaseInsensitive))
            return static_cast<qsizetype>(i);
    return std::nullopt;
}

Diagrama novoDiagrama(PeriodoDiagrama periodo) {
    if (periodo.anoInicial >= periodo.anoFinal) throw Erro(QString::fromUtf8(kMsgLimitesPeriodo));
    Diagrama d;
    d.periodo = periodo;
    return d;
}

Tabela tabelaDiagrama(const Diagrama& diagrama) {
    std::vector<Campo> campos{
        {QString::fromLatin1(kCampoOrdem), TipoCampo::Inteiro, 4},
        {QString::fromLatin1(kCampoEstacao), TipoCampo::Texto, kTamanhoCampoEstacao}};
    for (int ano = diagrama.periodo.anoInicial; ano <= diagrama.periodo.anoFinal; ++ano)
        campos.push_back({QString::number(ano), TipoCampo::Inteiro, 4});
    Tabela t(std::move(campos));
    t.reservar(static_cast<qsizetype>(diagrama.linhas.size()));
    for (const LinhaDiagrama& l : diagrama.linhas) {
        const qsizetype i = t.acrescentarLinha();
        t.definir(i, 0, l.ordem);
        t.definir(i, 1, l.estacao);
        for (std::size_t a = 0; a < l.anos.size(); ++a)
            if (l.anos[a]) t.definir(i, static_cast<int>(a) + 2, qint64{*l.anos[a]});
    }
    return t;
}

Diagrama diagramaDeTabela(const Tabela& t) {
    const auto& campos = t.campos();
    if (campos.empty() ||
        campos[0].nome.compare(QLatin1String(kCampoOrdem), Qt::CaseInsensitive) != 0)
        naoEhDiagrama();
    if (campos.size() < 4 || campos[1].tipo != TipoCampo::Texto) naoEhDiagrama();
    Diagrama d;
    bool ok = false;
    d.periodo.anoInicial = campos[2].nome.toInt(&ok);
    if (!ok) naoEhDiagrama();
    for (std::size_t c = 2; c < campos.size(); ++c) {
        const int ano = campos[c].nome.toInt(&ok);
        if (!ok || campos[c].tipo != TipoCampo::Inteiro ||
            ano != d.periodo.anoInicial + static_cast<int>(c - 2))
            naoEhDiagrama();
    }
    d.periodo.anoFinal = campos.back().nome.toInt();

    const auto cabe = [](std::optional<qint64> v) -> std::optional<int> {
        if (!v) return std::nullopt;
        if (*v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max())
            naoEhDiagrama();
        return static_cast<int>(*v);
    };
    d.linhas.reserve(static_cast<std::size_t>(t.linhas()));
    qint64 maior = 0;
    for (qsizetype i = 0; i < t.linhas(); ++i) {
        LinhaDiagrama l;
        l.ordem = t.inteiro(i, 0).value_or(0);
        l.estacao = t.texto(i, 1);
        for (int c = 2; c < t.numeroCampos(); ++c)
            l.anos.push_back(cabe(t.inteiro(i, c)));
        maior = std::max(maior, l.ordem);
        d.linhas.push_back(std::move(l));
    }
    d.proximaOrdem = maior + 1;
    return d;
}

QString ajustarExtensaoDiagrama(const QString& caminho) {
    if (QFileInfo(caminho).suffix().isEmpty())
        return caminho + QString::fromLatin1(kExtensaoDiagrama);
    return caminho;
}

void gravarDiagrama(const QString& caminho, const Diagrama& diagrama) {
    gravarTabela(caminho, tabelaDiagrama(diagrama));
}

Diagrama lerDiagrama(const QString& caminho) {
    return diagramaDeTabela(lerTabela(caminho));
}

TabelaExibida tabelaExibidaDiagrama(const Diagrama& diagrama) {
    TabelaExibida t;
    t.colunas.push_back({QString::fromUtf8(kTituloOrdem), TipoCampo::Inteiro});
    t.colunas.push_back({QString::fromUtf8(kTituloEstacao), TipoCampo::Texto});
    for (int ano = diagrama.periodo.anoInicial; ano <= diagrama.periodo.anoFinal; ++ano)
        t.colunas.push_back({QString::number(ano), TipoCampo::Inteiro});
    t.linhas.reserve(diagrama.linhas.size());
    for (const LinhaDiagrama& l : diagrama.linhas) {
        std::vector<Valor> linha(l.anos.size() + 2);
        linha[0] = l.ordem;
        linha[1] = l.estacao;
        for (std::size_t a = 0; a < l.anos.size(); ++a)
            if (l.anos[a]) linha[a + 2] = qint64{*l.anos[a]};
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

} // namespace corvel

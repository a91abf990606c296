// The distribution window's CSV texts and the event file reader.
#include "exportacaodistribuicoes.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <stdexcept>

namespace corvel {

namespace {

using C = CampoDistribuicao;
constexpr std::array<ColunaDistribuicao, 18> kColunas = {{
    {C::NomeDistribuicao, "Distribuição", false},
    {C::IntervaloConfiancaSuperior, "Interv. conf. sup. (95%)", true},
    {C::ValorEvento, "Evento (m³/s)", true},
    {C::IntervaloConfiancaInferior, "Interv. conf. inf. (95%)", true},
    {C::ErroPadrao, "Erro padrão", false},
    {C::Alfa, "Alfa", false},
    {C::Beta, "Beta", false},
    {C::Gama, "Gama", false},
    {C::Media, "Média", false},
    {C::Variancia, "Variância", false},
    {C::assimetria, "Assimetria", false},
    {C::NEventos, "Nº de eventos", false},
    {C::DesvioPadrao, "Desvio padrão", false},
    {C::PeriodoRetorno, "Período de retorno", false},
    {C::Duracao, "Duração", false},
    {C::A, "A", false},
    {C::Diferenca, "Amplitude do Intervalo de confiança", false},
    {C::Erro, "Erro", false},
}};

// The event and what describes its uncertainty: no result where the event is inadmissible.
bool ehDoEvento(CampoDistribuicao campo) {
    return campo == C::IntervaloConfiancaSuperior || campo == C::ValorEvento ||
           campo == C::IntervaloConfiancaInferior || campo == C::ErroPadrao ||
           campo == C::Diferenca;
}

bool semResultado(const LinhaDistribuicao& l, CampoDistribuicao campo) {
    return l.Erro == 0 && l.inadmissao != Inadmissao::Nenhuma && ehDoEvento(campo);
}

const ColunaDistribuicao& coluna(std::size_t c) {
    if (c >= kColunas.size()) throw std::out_of_range("coluna de distribuição inexistente");
    return kColunas[c];
}

// The numeric value of a field, or nothing for a blank one; the name is not a number.
std::optional<double> numero(const LinhaDistribuicao& l, CampoDistribuicao campo) {
    switch (campo) {
    case C::NomeDistribuicao:
        return std::nullopt;
    case C::IntervaloConfiancaSuperior:
        return l.IntervaloConfiancaSuperior;
    case C::ValorEvento:
        return l.ValorEvento;
    case C::IntervaloConfiancaInferior:
        return l.IntervaloConfiancaInferior;
    case C::ErroPadrao:
        return l.ErroPadrao;
    case C::Alfa:
        return l.Alfa;
    case C::Beta:
        return l.Beta;
    case C::Gama:
        return l.Gama;
    case C::Media:
        return l.Media;
    case C::Variancia:
        return l.Variancia;
    case C::assimetria:
        return l.assimetria;
    case C::NEventos:
        return l.NEventos;
    case C::DesvioPadrao:
        return l.DesvioPadrao;
    case C::PeriodoRetorno:
        return l.PeriodoRetorno;
    case C::Duracao:
        return l.Duracao;
    case C::A:
        return l.A;
    case C::Diferenca:
        return l.Diferenca;
    case C::Erro:
        return l.Erro;
    }
    return std::nullopt;
}

const QString kCabecalhoDados = QStringLiteral("Distribuições [Programa Corvel]");

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones stay as the C1 controls.
constexpr std::array<char16_t, 32> kExtras1252 = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

QString decodificar(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(bytes);
    if (!utf8.hasError()) return texto;
    texto.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        texto[i] = b >= 0x80 && b <= 0x9F ? QChar(kExtras1252[b - 0x80]) : QChar(b);
    }
    return texto;
}

[[noreturn]] void falhaLinha(qsizetype linha, const QString& mensagem) {
    throw ErroConversao(QStringLiteral("linha %1: %2").arg(linha).arg(mensagem));
}

// Reads "label;value[;...]" into `evento`; returns the conversion error of a value that is
// not a number.
std::optional<QString> lerEvento(const QString& linha, qsizetype numero,
                                 EventoDistribuicao& evento) {
    const qsizetype separador = linha.indexOf(u';');
    if (separador < 0)
        throw ErroArquivo(QStringLiteral("linha %1: esperava \"rótulo;valor\"").arg(numero));
    evento.Data = linha.left(separador).trimmed();
    QStringView valor = QStringView(linha).mid(separador + 1);
    valor = valor.left(valor.indexOf(u';')).trimmed(); // left(-1) keeps everything
    if (valor.isEmpty()) return std::nullopt;
    try {
        evento.Dados = lerReal(valor);
    } catch (const ErroConversao& erro) {
        return erro.mensagem();
    }
    return std::nullopt;
}

} // namespace

std::span<const ColunaDistribuicao> colunasDistribuicao() {
    return kColunas;
}

QString textoColuna(const LinhaDistribuicao& l, std::size_t c, FormaCelula forma) {
    const CampoDistribuicao campo = coluna(c).campo;
    if (campo == C::NomeDistribuicao) return l.NomeDistribuicao;
    if (semResultado(l, campo)) return forma.csv ? QString() : QStringLiteral("-");
    const std::optional<double> v = numero(l, campo);
    if (!v) return {};
    if (campo == C::PeriodoRetorno || campo == C::Erro)
        return QString::number(static_cast<long long>(*v));
    if (forma.digitos == Digitos::Todos) return formatarCompleto(*v);
    switch (campo) {
    case C::Alfa:
    case C::Beta:
    case C::Gama:
    case C::assimetria:
    case C::DesvioPadrao:
        return formatarNumero(*v, u"0.00000");
    case C::NEventos:
    case C::Duracao:
    case C::A:
        return formatarGeral(*v);
    case C::Diferenca:
        return formatarVazao(*v, u"0.0000");
    default:
        return formatarVazao(*v, u"0.00");
    }
}

TipoCampo tipoColuna(std::size_t c) {
    switch (coluna(c).campo) {
    case C::NomeDistribuicao:
        return TipoCampo::Texto;
    case C::PeriodoRetorno:
    case C::Erro:
        return TipoCampo::Inteiro;
    default:
        return TipoCampo::Real;
    }
}

Valor valorColuna(const LinhaDistribuicao& l, std::size_t c) {
    const CampoDistribuicao campo = coluna(c).campo;
    if (campo == C::NomeDistribuicao) return l.NomeDistribuicao;
    const std::optional<double> v = numero(l, campo);
    if (!v || semResultado(l, campo)) return {};
    if (tipoColuna(c) == TipoCampo::Inteiro) return static_cast<qint64>(*v);
    return *v;
}

bool semSignificadoFisico(const LinhaDistribuicao& l, std::size_t c) {
    const ColunaDistribuicao& col = coluna(c);
    return col.limite && !semResultado(l, col.campo) && numero(l, col.campo).value_or(0) < 0;
}

TabelaExibida tabelaDistribuicoes(std::span<const LinhaDistribuicao> linhas) {
    TabelaExibida t;
    for (std::size_t c = 0; c < kColunas.size(); ++c)
        t.colunas.push_back({QString::fromUtf8(kColunas[c].titulo), tipoColuna(c)});
    for (const LinhaDistribuicao& l : linhas) {
        std::vector<Valor> linha;
        for (std::size_t c = 0; c < kColunas.size(); ++c)
            linha.push_back(valorColuna(l, c));
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

TabelaExibida tabelaEventos(std::span<const EventoDistribuicao> eventos) {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Data"), TipoCampo::Texto},
                 {QStringLiteral("Vazão(m³/s)"), TipoCampo::Real},
                 {QStringLiteral("Logaritmos dos dados (m³/s)"), TipoCampo::Real}};
    auto valor = [](const std::optional<double>& v) { return v ? Valor(*v) : Valor(); };
    for (const EventoDistribuicao& e : eventos)
        t.linhas.push_back({e.Data, valor(e.Dados), valor(LnDados(e))});
    return t;
}

relatorio::Relatorio relatorioDadosDistribuicao(std::span<const EventoDistribuicao> eventos,
                                                const QString& titulo, const QString& tecnico,
                                                const QString& estacao) {
    relatorio::Relatorio r;
    r.titulo = titulo;
    r.cabecalho = {QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Estação: ") + estacao};
    r.colunas = {{QStringLiteral("Data"), Qt::AlignLeft | Qt::AlignVCenter},
                 {QStringLiteral("Vazão(m³/s)")}};
    for (const EventoDistribuicao& e : eventos)
        r.linhas.push_back({e.Data, e.Dados ? formatarVazao(*e.Dados, u"0.0000") : QString()});
    r.programa = QString::fromLatin1(kNomeProduto);
    return r;
}

relatorio::Relatorio relatorioResultadosDistribuicao(std::span<const LinhaDistribuicao> linhas,
                                                     const QString& titulo, const QString& tecnico,
                                                     const QString& estacao) {
    relatorio::Relatorio r;
    r.titulo = titulo;
    std::optional<double> A;
    for (const LinhaDistribuicao& l : linhas)
        if (l.A) A = l.A;
    r.cabecalho = {QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Estação: ") + estacao,
                   QStringLiteral("Valor do parâmetro A (Distribuição LogNormal 3): ") +
                       (A ? formatarGeral(*A) : QString())};
    const std::pair<CampoDistribuicao, const char*> colunas[] = {
        {C::NomeDistribuicao, "Distribuição"},
        {C::NEventos, "Nº eventos"},
        {C::IntervaloConfiancaSuperior, "I. C. sup. (95%)*"},
        {C::ValorEvento, "Evento (m³/s)**"},
        {C::IntervaloConfiancaInferior, "I. C. inf. (95%)*"},
        {C::ErroPadrao, "Erro padrão"},
        {C::Media, "Média"},
        {C::Variancia, "Variância"},
        {C::assimetria, "Assimetria"},
        {C::Alfa, "Alfa"},
        {C::Beta, "Beta"},
        {C::Gama, "Gama"}};
    std::vector<std::size_t> indices;
    for (const auto& [campo, rotulo] : colunas) {
        r.colunas.push_back({QString::fromUtf8(rotulo), campo == C::NomeDistribuicao
                                                            ? Qt::AlignLeft | Qt::AlignVCenter
                                                            : Qt::AlignRight | Qt::AlignVCenter});
        const auto i =
            std::find_if(kColunas.begin(), kColunas.end(),
                         [c = campo](const ColunaDistribuicao& k) { return k.campo == c; });
        indices.push_back(static_cast<std::size_t>(i - kColunas.begin()));
    }
    for (const LinhaDistribuicao& l : linhas) {
        std::vector<QString> linha;
        for (std::size_t c : indices)
            linha.push_back(textoColuna(l, c));
        r.linhas.push_back(std::move(linha));
    }
    r.notas = {
        QStringLiteral("* I. C.: Intervalo de confiança"),
        QStringLiteral(
            "** Valores de \"eventos\" e \"intervalos de confiança\" menores do que zero não "
            "têm significado físico.")};
    r.programa = QString::fromLatin1(kNomeProduto);
    return r;
}

QString textoDistribuicoesCsv(std::span<const LinhaDistribuicao> linhas, Digitos digitos) {
    QString t;
    for (const ColunaDistribuicao& c : kColunas)
        t += QString::fromUtf8(c.titulo) + QStringLiteral(";  ");
    t += QStringLiteral(" \r\n");
    for (const LinhaDistribuicao& l : linhas) {
        for (std::size_t c = 0; c < kColunas.size(); ++c)
            t += textoColuna(l, c, {true, digitos}) + QStringLiteral("; ");
        t += QStringLiteral(" \r\n");
    }
    return t;
}

QString textoMelhorDistribuicao(const AnaliseDistribuicoes& a) {
    const int T = a.PeriodoEscolhido;
    const auto melhor = std::find_if(a.linhas.begin(), a.linhas.end(),
                                     [&](const LinhaDistribuicao& l) { return l.id == a.melhorLinha; });
    if (melhor == a.linhas.end())
        return QStringLiteral("Nenhuma distribuição ajustada em T = %1 anos").arg(T);
    if (a.periodoNaMassaNula)
        return QStringLiteral("Em T = %1 anos a vazão é nula: p0 = %2 >= 1/T (probabilidade "
                              "condicional)")
            .arg(T)
            .arg(formatarNumero(a.p0.value_or(0), u"0.0###"));
    return QStringLiteral("Melhor distribuição em T = %1 anos: %2 (evento %3 m³/s, amplitude do "
                          "intervalo de confiança %4)")
        .arg(T)
        .arg(melhor->NomeDistribuicao, formatarVazao(melhor->ValorEvento, u"0.00"),
             formatarVazao(melhor->Diferenca, u"0.0000"));
}

QString textoDadosCsv(std::span<const EventoDistribuicao> eventos, bool EventosMaximos) {
    QString t = kCabecalhoDados + QStringLiteral("\r\nNão altere esse cabeçalho\r\n") +
                (EventosMaximos ? u'1' : u'0') +
                QStringLiteral("\r\nCódigo da estação:\r\n Data;  Dados;\r\n");
    for (const EventoDistribuicao& e : eventos)
        t += e.Data + u';' + (e.Dados ? formatarVazao(*e.Dados, u"0.0000") : QString()) +
             QStringLiteral(";\r\n");
    return t;
}

EventosLidos lerEventosCsv(const QByteArray& conteudo) {
    QStringList linhas = decodificar(conteudo).split(u'\n');
    for (QString& l : linhas)
        if (l.endsWith(u'\r')) l.chop(1);
    EventosLidos r;
    qsizetype primeira = 0; // index of the first event line
    if (!linhas.isEmpty() && linhas[0].trimmed() == kCabecalhoDados) {
        if (linhas.size() < 5)
            throw ErroArquivo(QStringLiteral("o cabeçalho de 5 linhas está incompleto"));
        const QString tipo = linhas[2].trimmed();
        if (tipo != u"1" && tipo != u"0")
            falhaLinha(3, QStringLiteral("o tipo de evento deve ser 1 (máximos) ou 0 (mínimos)"));
        r.EventosMaximos = tipo == u"1";
        primeira = 5;
    }
    for (qsizetype i = primeira; i < linhas.size(); ++i) {
        if (linhas[i].trimmed().isEmpty()) continue;
        EventoDistribuicao e;
        if (const auto erro = lerEvento(linhas[i], i + 1, e)) {
            if (i == 0 && primeira == 0) // a plain file's first line may be a header
                continue;
            falhaLinha(i + 1, *erro);
        }
        r.eventos.push_back(std::move(e));
    }
    return r;
}

} // namespace corvel

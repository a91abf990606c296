// The distribution window's CSV texts and the event file reader.
#include "exportacao_distribuicoes.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QStringDecoder>
#include <array>
#include <stdexcept>

namespace corvel {

namespace {

constexpr std::array<ColunaDistribuicao, 18> kColunas = {{
    {"NomeDistribuicao", "Distribuição"},
    {"IntervaloConfiancaSuperior", "Interv. conf. sup. (95%)"},
    {"ValorEvento", "Evento (m³/s)"},
    {"IntervaloConfiancaInferior", "Interv. conf. inf. (95%)"},
    {"ErroPadrao", "Erro padrão"},
    {"Alfa", "Alfa"},
    {"Beta", "Beta"},
    {"Gama", "Gama"},
    {"Media", "Média"},
    {"Variancia", "Variância"},
    {"assimetria", "Assimetria"},
    {"NEventos", "Nº de eventos"},
    {"DesvioPadrao", "Desvio padrão"},
    {"PeriodoRetorno", "Período de retorno"},
    {"Duracao", "Duração"},
    {"A", "A"},
    {"Diferenca", "Amplitude do Intervalo de confiança"},
    {"Erro", "Erro"},
}};

QString opcional(const std::optional<double>& v, QStringView padrao) {
    return v ? formatarNumero(*v, padrao) : QString();
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

QString textoColuna(const LinhaDistribuicao& l, std::size_t coluna) {
    switch (coluna) {
    case 0:
        return l.NomeDistribuicao;
    case 1:
        return formatarNumero(l.IntervaloConfiancaSuperior, u"0.00");
    case 2:
        return formatarNumero(l.ValorEvento, u"0.00");
    case 3:
        return formatarNumero(l.IntervaloConfiancaInferior, u"0.00");
    case 4:
        return formatarNumero(l.ErroPadrao, u"0.00");
    case 5:
        return opcional(l.Alfa, u"0.00000");
    case 6:
        return opcional(l.Beta, u"0.00000");
    case 7:
        return opcional(l.Gama, u"0.00000");
    case 8:
        return formatarNumero(l.Media, u"0.00");
    case 9:
        return formatarNumero(l.Variancia, u"0.00");
    case 10:
        return formatarNumero(l.assimetria, u"0.00000");
    case 11:
        return formatarGeral(l.NEventos);
    case 12:
        return opcional(l.DesvioPadrao, u"0.00000");
    case 13:
        return QString::number(l.PeriodoRetorno);
    case 14:
        return formatarGeral(l.Duracao);
    case 15:
        return l.A ? formatarGeral(*l.A) : QString();
    case 16:
        return formatarNumero(l.Diferenca, u"0.0000");
    case 17:
        return QString::number(l.Erro);
    default:
        throw std::out_of_range("coluna de distribuição inexistente");
    }
}

QString textoDistribuicoesCsv(std::span<const LinhaDistribuicao> linhas) {
    QString t;
    for (const ColunaDistribuicao& c : kColunas)
        t += QString::fromUtf8(c.titulo) + QStringLiteral(";  ");
    t += QStringLiteral(" \r\n");
    for (const LinhaDistribuicao& l : linhas) {
        for (std::size_t c = 0; c < kColunas.size(); ++c)
            t += textoColuna(l, c) + QStringLiteral("; ");
        t += QStringLiteral(" \r\n");
    }
    return t;
}

QString textoDadosCsv(std::span<const EventoDistribuicao> eventos, bool EventosMaximos) {
    QString t = kCabecalhoDados + QStringLiteral("\r\nNão altere esse cabeçalho\r\n") +
                (EventosMaximos ? u'1' : u'0') +
                QStringLiteral("\r\nCódigo da estação:\r\n Data;  Dados;\r\n");
    for (const EventoDistribuicao& e : eventos)
        t += e.Data + u';' + (e.Dados ? formatarNumero(*e.Dados, u"0.0000") : QString()) +
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

// Plain daily series: the layout is read off the header and the rows, and every doubt about it is
// refused with the line that raised it: a misread decimal mark would scale a whole series.
#include "importacaodiaria.h"

#include "core/formato.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace corvel {

namespace {

QString textoDoArquivo(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}

// A tab, then ';', then ',': a header names its columns with words, never with decimal marks.
std::optional<QChar> separadorDoCabecalho(QStringView cabecalho) {
    for (const QChar c : {QChar(u'\t'), QChar(u';'), QChar(u',')})
        if (cabecalho.contains(c)) return c;
    return std::nullopt;
}

// The fields of a line; an empty field after a final separator is not a column when the line
// already has `colunas` without it (a header's names are never empty).
QList<QStringView> campos(QStringView linha, QChar separador, qsizetype colunas = 0) {
    QList<QStringView> c = linha.split(separador);
    if (c.size() > 1 && c.size() > colunas && c.last().trimmed().isEmpty()) c.removeLast();
    return c;
}

enum class FormaData { Iso, Brasileira };

std::optional<FormaData> formaDaData(QStringView t) {
    if (t.size() == 10 && t[4] == u'-' && t[7] == u'-') return FormaData::Iso;
    const qsizetype barra = t.indexOf(u'/');
    if (barra > 0 && t.lastIndexOf(u'/') > barra) return FormaData::Brasileira;
    return std::nullopt;
}

QDate lerDataDiaria(QStringView t, FormaData forma) {
    if (forma == FormaData::Brasileira) return lerData(t);
    const auto parte = [&](qsizetype de, qsizetype n) {
        const QStringView p = t.sliced(de, n);
        for (const QChar c : p)
            if (!c.isDigit()) throw ErroConversao(QString());
        return static_cast<int>(lerInteiro(p));
    };
    const QDate d(parte(0, 4), parte(5, 2), parte(8, 2));
    if (!d.isValid()) throw ErroConversao(QString());
    return d;
}

bool ausente(QStringView t) {
    return t.isEmpty() || t.compare(u"NA", Qt::CaseInsensitive) == 0;
}

// What a flow's text says of the decimal mark it uses.
struct Marca {
    QChar caractere;
    bool podeSerMilhar = false; // "1.234": one mark, three digits after it, no leading zero
};

std::optional<Marca> marcaDoNumero(QStringView t) {
    const qsizetype virgula = t.indexOf(u','), ponto = t.indexOf(u'.');
    if (virgula < 0 && ponto < 0) return std::nullopt;
    if (virgula >= 0 && ponto >= 0) return Marca{u'?'};
    const qsizetype i = virgula >= 0 ? virgula : ponto;
    const QChar c = t[i];
    if (t.indexOf(c, i + 1) >= 0) return Marca{u'!'}; // grouped thousands
    QStringView inteira = t.first(i);
    if (!inteira.isEmpty() && (inteira[0] == u'-' || inteira[0] == u'+')) inteira = inteira.sliced(1);
    const QStringView fracao = t.sliced(i + 1);
    const bool soDigitos =
        std::all_of(fracao.begin(), fracao.end(), [](QChar x) { return x.isDigit(); });
    return Marca{c, soDigitos && fracao.size() == 3 && !inteira.isEmpty() &&
                        inteira.size() <= 3 && inteira[0] != u'0'};
}

struct LinhaLida {
    qsizetype numero;
    QDate data;
    QStringView vazao;
    SinalDia sinal = SinalDia::Desconhecido;
};

struct Mes {
    RegistroMensal registro;
    std::array<qsizetype, kDiasRegistro> linhas{};
};

[[noreturn]] void recusar(qsizetype linha, const QString& texto) {
    throw ErroConversao(QStringLiteral("linha %1: %2").arg(linha).arg(texto));
}

// The decimal mark of a file separated by ';' or tab, from every flow it holds.
QChar marcaDecimal(const std::vector<LinhaLida>& linhas) {
    std::optional<std::pair<QChar, qsizetype>> primeira;
    bool todasPodemSerMilhar = true;
    for (const LinhaLida& l : linhas) {
        const std::optional<Marca> m = marcaDoNumero(l.vazao);
        if (!m) continue;
        if (m->caractere == u'?')
            recusar(l.numero, QStringLiteral("'%1' tem vírgula e ponto; use só a marca decimal, "
                                             "sem separador de milhar")
                                  .arg(l.vazao));
        if (m->caractere == u'!')
            recusar(l.numero, QStringLiteral("'%1' tem separador de milhar; use só a marca "
                                             "decimal")
                                  .arg(l.vazao));
        if (primeira && primeira->first != m->caractere)
            recusar(l.numero,
                    QStringLiteral("marca decimal ambígua: '%1' usa '%2', mas a linha %3 usa "
                                   "'%4'")
                        .arg(l.vazao)
                        .arg(m->caractere)
                        .arg(primeira->second)
                        .arg(primeira->first));
        if (!primeira) primeira = {m->caractere, l.numero};
        todasPodemSerMilhar = todasPodemSerMilhar && m->podeSerMilhar;
    }
    if (!primeira) return u','; // whole numbers only: no mark to tell
    if (todasPodemSerMilhar)
        recusar(primeira->second,
                QStringLiteral("marca decimal ambígua: toda vazão com '%1' tem três dígitos depois "
                               "dele, como um separador de milhar; escreva os decimais de outra "
                               "forma ou separe as colunas com vírgula e use ponto decimal")
                    .arg(primeira->first));
    return primeira->first;
}

double lerVazao(const LinhaLida& l, QChar marca) {
    QString t = l.vazao.toString();
    if (marca == u'.') {
        if (t.contains(u','))
            recusar(l.numero, QStringLiteral("'%1' não é um número com ponto decimal").arg(t));
        t.replace(u'.', u',');
    }
    double v = 0;
    try {
        v = lerReal(t);
    } catch (const ErroConversao&) {
        recusar(l.numero, QStringLiteral("'%1' não é uma vazão (número finito)").arg(l.vazao));
    }
    return v; // finite: a number beyond the doubles is not read
}

} // namespace

bool pareceSerieDiaria(QByteArrayView bytes) {
    const QString texto = textoDoArquivo(bytes.first(std::min<qsizetype>(bytes.size(), 4096)));
    QList<QStringView> linhas;
    for (QStringView l : dividirLinhas(texto))
        if (!l.trimmed().isEmpty()) linhas.append(l);
    if (linhas.size() < 2) return false;
    const auto sep = separadorDoCabecalho(linhas[0]);
    if (!sep) return false;
    const qsizetype n = campos(linhas[0], *sep).size();
    return (n == 2 || n == 3) && formaDaData(campos(linhas[1], *sep)[0].trimmed()).has_value();
}

ResultadoImportacao lerSerieDiaria(QByteArrayView bytes, qint32 codigo) {
    if (codigo <= 0)
        throw ErroConversao(QStringLiteral("código de estação inválido: %1").arg(codigo));
    const QString texto = textoDoArquivo(bytes);
    const QList<QStringView> todas = dividirLinhas(texto);
    qsizetype i = 0;
    while (i < todas.size() && todas[i].trimmed().isEmpty())
        ++i;
    if (i == todas.size()) throw ErroConversao(QStringLiteral("o arquivo está vazio"));
    const qsizetype linhaCabecalho = i + 1;
    const std::optional<QChar> sep = separadorDoCabecalho(todas[i]);
    if (!sep)
        recusar(linhaCabecalho, QStringLiteral("o cabeçalho deve nomear as colunas data e vazão "
                                               "separadas por vírgula, ponto e vírgula ou "
                                               "tabulação"));
    const qsizetype colunas = campos(todas[i], *sep).size();
    if (colunas != 2 && colunas != 3)
        recusar(linhaCabecalho, QStringLiteral("o cabeçalho tem %1 colunas; esperadas data, vazão "
                                               "e, se houver, o sinal do dia")
                                    .arg(colunas));
    if (formaDaData(campos(todas[i], *sep)[0].trimmed()))
        recusar(linhaCabecalho,
                QStringLiteral("a primeira linha deve ser o cabeçalho (data, vazão), não um dia"));

    std::vector<LinhaLida> lidas;
    lidas.reserve(static_cast<std::size_t>(todas.size()));
    std::optional<FormaData> forma;
    for (++i; i < todas.size(); ++i) {
        const qsizetype numero = i + 1;
        if (todas[i].trimmed().isEmpty()) continue;
        const QList<QStringView> c = campos(todas[i], *sep, colunas);
        if (c.size() != colunas && !(colunas == 3 && c.size() == 2))
            recusar(numero, QStringLiteral("%1 campos, mas o cabeçalho tem %2%3")
                                .arg(c.size())
                                .arg(colunas)
                                .arg(*sep == u',' && c.size() > colunas
                                         ? QStringLiteral(" (vírgula decimal num arquivo separado "
                                                          "por vírgulas?)")
                                         : QString()));
        const QStringView textoData = c[0].trimmed();
        const std::optional<FormaData> f = formaDaData(textoData);
        if (!f || (forma && *f != *forma))
            recusar(numero, QStringLiteral("'%1' não é uma data %2")
                                .arg(textoData)
                                .arg(forma == FormaData::Brasileira
                                         ? QStringLiteral("dd/mm/aaaa, como as anteriores")
                                         : forma ? QStringLiteral("aaaa-mm-dd, como as anteriores")
                                                 : QStringLiteral("aaaa-mm-dd nem dd/mm/aaaa")));
        forma = f;
        QDate data;
        try {
            data = lerDataDiaria(textoData, *f);
        } catch (const ErroConversao&) {
            recusar(numero, QStringLiteral("'%1' não é uma data válida").arg(textoData));
        }
        if (!anoAceito(data))
            recusar(numero, QStringLiteral("a data %1 está fora do período aceito (%2 a %3)")
                                .arg(formatarData(data))
                                .arg(kPrimeiroAnoAceito)
                                .arg(kUltimoAnoAceito));
        SinalDia sinal = SinalDia::Desconhecido;
        if (c.size() > 2) {
            const std::optional<SinalDia> s = lerSinalDoTexto(c[2]);
            if (!s)
                recusar(numero, QStringLiteral("'%1' não é um sinal de dia (0 a 7, ou real, "
                                               "estimado, duvidoso, régua seca, régua coberta, rio "
                                               "seco, rio cortado, digitado, preenchido)")
                                    .arg(c[2].trimmed()));
            sinal = *s;
        }
        lidas.push_back({numero, data, c[1].trimmed(), sinal});
    }
    if (lidas.empty())
        throw ErroConversao(QStringLiteral("o arquivo não tem nenhum dia depois do cabeçalho"));

    const QChar marca = *sep == u',' ? QChar(u'.') : marcaDecimal(lidas);
    std::map<int, Mes> meses; // by year * 12 + month: the rows may come in any order
    for (const LinhaLida& l : lidas) {
        Mes& m = meses[l.data.year() * 12 + l.data.month() - 1];
        if (!m.registro.data.isValid()) {
            m.registro = SerieTabela::novoRegistro(2);
            m.registro.estacaoCodigo = codigo;
            m.registro.data = QDate(l.data.year(), l.data.month(), 1);
            m.registro.vazao01Status = kConsiderado;
        }
        const auto d = static_cast<std::size_t>(l.data.day() - 1);
        if (m.linhas[d] != 0)
            recusar(l.numero, QStringLiteral("o dia %1 já está na linha %2")
                                  .arg(formatarData(l.data))
                                  .arg(m.linhas[d]));
        m.linhas[d] = l.numero;
        if (!ausente(l.vazao)) m.registro.vazao[d] = lerVazao(l, marca);
        m.registro.sinal[d] = l.sinal;
    }

    ResultadoImportacao r;
    r.serie.esvaziar();
    double id = 0;
    for (auto& [chave, m] : meses) {
        m.registro.registroId = id++;
        r.serie.acrescentarProgramatico(std::move(m.registro));
    }
    r.nivelConsistencia = 2;
    contarImplausiveis(r.serie, r.avisos);
    return r;
}

ResultadoImportacao importarSerieDiaria(const QString& caminho, qint32 codigo) {
    try {
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::ReadOnly))
            throw ErroImportacao(caminho, arquivo.errorString());
        const QByteArray bytes = arquivo.readAll();
        if (arquivo.error() != QFileDevice::NoError)
            throw ErroImportacao(caminho, arquivo.errorString());
        return lerSerieDiaria(bytes, codigo);
    } catch (const ErroImportacao&) {
        throw;
    } catch (const Erro& e) {
        throw ErroImportacao(caminho, e.mensagem());
    }
}

} // namespace corvel

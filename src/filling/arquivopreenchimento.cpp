// The ".psv" file and the station loader.
#include "arquivopreenchimento.h"

#include "textospreenchimento.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/formato.h"

#include <QFileInfo>
#include <algorithm>

namespace corvel {

namespace {

// Field names as the file has always spelt them: "dados2" … "dados5" in lower case.
QString nomeColuna(int n) {
    return (n >= 2 && n <= 5 ? QStringLiteral("dados%1") : QStringLiteral("Dados%1")).arg(n);
}

enum : int { kId, kData, kBaseApoio, kPreenchido, kDados1 };
constexpr int kEstacoes = kDados1 + kMaximoEstacoes;

} // namespace

Tabela tabelaPreenchimento(const ProjetoPreenchimento& projeto) {
    std::vector<Campo> campos{{QStringLiteral("ID"), TipoCampo::Inteiro, 4},
                              {QStringLiteral("Data"), TipoCampo::DataHora, 0},
                              {QStringLiteral("BaseApoio"), TipoCampo::Inteiro, 4},
                              {QStringLiteral("Preenchido"), TipoCampo::Logico, 0}};
    for (int n = 1; n <= kMaximoEstacoes; ++n)
        campos.push_back({nomeColuna(n), TipoCampo::Real, 0});
    campos.push_back({QStringLiteral("Estacoes"), TipoCampo::Texto, 20});
    campos.push_back({QStringLiteral("NumEstacoes"), TipoCampo::Inteiro, 4});
    Tabela t(std::move(campos));
    t.reservar(static_cast<qsizetype>(projeto.meses.size()));
    for (const MesPreenchimento& m : projeto.meses) {
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, kId, qint64{l + 1});
        t.definir(l, kData, QDateTime(m.data, QTime(0, 0), Qt::UTC));
        if (m.baseApoio) t.definir(l, kBaseApoio, qint64{*m.baseApoio});
        t.definir(l, kPreenchido, m.preenchido);
        for (int n = 1; n <= kMaximoEstacoes; ++n)
            if (const auto& v = m.coluna(n)) t.definir(l, kDados1 + n - 1, *v);
        if (l < kMaximoEstacoes) {
            const QString titulo = projeto.titulos[static_cast<std::size_t>(l)].trimmed();
            if (!titulo.isEmpty()) t.definir(l, kEstacoes, titulo);
        }
    }
    return t;
}

ProjetoPreenchimento projetoPreenchimentoDeTabela(const Tabela& t) {
    const int cData = t.campo(u"Data");
    const int cBase = t.campo(u"BaseApoio");
    const int cPreenchido = t.campo(u"Preenchido");
    const int cEstacoes = t.campo(u"Estacoes");
    std::array<int, kMaximoEstacoes> cDados{};
    for (int n = 1; n <= kMaximoEstacoes; ++n)
        cDados[static_cast<std::size_t>(n - 1)] = t.campo(nomeColuna(n));

    ProjetoPreenchimento p;
    p.titulos.fill(QString::fromLatin1(kTituloSemEstacao));
    std::vector<std::pair<MesPreenchimento, QString>> linhas;
    linhas.reserve(static_cast<std::size_t>(t.linhas()));
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        MesPreenchimento m;
        const auto data = t.dataHora(l, cData);
        if (!data) throw ErroArquivo(QStringLiteral("Mês %1 sem data").arg(l + 1));
        m.data = QDate(data->date().year(), data->date().month(), 1);
        // A column number outside the project names no station.
        if (const auto b = t.inteiro(l, cBase); b && *b >= 1 && *b <= kMaximoEstacoes)
            m.baseApoio = static_cast<int>(*b);
        m.preenchido = t.logico(l, cPreenchido).value_or(false);
        for (int n = 1; n <= kMaximoEstacoes; ++n)
            m.coluna(n) = t.real(l, cDados[static_cast<std::size_t>(n - 1)]);
        linhas.emplace_back(std::move(m), t.texto(l, cEstacoes));
    }
    std::stable_sort(linhas.begin(), linhas.end(),
                     [](const auto& a, const auto& b) { return a.first.data < b.first.data; });
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        // The months are kept under a unique index on Data.
        if (i > 0 && linhas[i].first.data == linhas[i - 1].first.data)
            throw ErroArquivo(QStringLiteral("O mês %1 aparece mais de uma vez no arquivo.")
                                  .arg(rotuloMes(linhas[i].first.data)));
        // The first twenty months hold the codes; only a blank entry means no station, so a code
        // of a single character survives too.
        const QString codigo = linhas[i].second.trimmed();
        if (i < kMaximoEstacoes && !codigo.isEmpty()) {
            p.titulos[i] = codigo;
            p.numeroEstacoes = static_cast<int>(i) + 1;
        }
        p.meses.push_back(std::move(linhas[i].first));
    }
    p.estado = kEstadoNovo;
    return p;
}

QString ajustarExtensaoPreenchimento(const QString& caminho) {
    if (QFileInfo(caminho).suffix().isEmpty())
        return caminho + QString::fromLatin1(kExtensaoPreenchimento);
    return caminho;
}

void gravarProjetoPreenchimento(const QString& caminho, ProjetoPreenchimento& projeto) {
    gravarTabela(caminho, tabelaPreenchimento(projeto));
    projeto.estado = kEstadoSalvo;
}

ProjetoPreenchimento lerProjetoPreenchimento(const QString& caminho) {
    return projetoPreenchimentoDeTabela(lerTabela(caminho));
}

SerieTabela lerEstacaoPreenchimento(const QString& caminho) {
    if (!caminho.endsWith(QStringLiteral(".cvl"), Qt::CaseSensitive))
        throw Erro(QString::fromUtf8(kMsgArquivoProjetoInvalido), Gravidade::Aviso);
    try {
        return deTabela(lerTabela(caminho));
    } catch (const Erro&) {
        throw Erro(QString::fromUtf8(kMsgProjetoCorrompido));
    }
}

} // namespace corvel

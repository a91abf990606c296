// The evaporation table and its file.
#include "evaporacao.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/formato.h"

#include <QDir>
#include <QFileInfo>

namespace corvel {

TabelaEvaporacao evaporacaoInicial() {
    TabelaEvaporacao t;
    for (int m = 1; m <= 12; ++m)
        t[static_cast<std::size_t>(m - 1)] = {m, nomeMes(m), 0, 0};
    return t;
}

std::vector<Campo> camposEvaporacao() {
    return {{QStringLiteral("id"), TipoCampo::Inteiro, 4},
            {QStringLiteral("mes"), TipoCampo::Texto, 20},
            {QStringLiteral("Evaporacao"), TipoCampo::Real, 0},
            {QStringLiteral("EvaporacaoMensal"), TipoCampo::Real, 0}};
}

Tabela paraTabela(const TabelaEvaporacao& evaporacao) {
    Tabela t(camposEvaporacao());
    for (const MesEvaporacao& m : evaporacao) {
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, 0, qint64{m.id});
        t.definir(l, 1, m.mes);
        t.definir(l, 2, m.evaporacao);
        t.definir(l, 3, m.evaporacaoMensal);
    }
    return t;
}

TabelaEvaporacao deTabelaEvaporacao(const Tabela& tabela, const QString& origem) {
    const QString nome = QFileInfo(origem).fileName();
    auto invalido = [&]() -> ErroArquivo {
        return ErroArquivo(
            QStringLiteral("O arquivo \"%1\" não é uma tabela de evaporação do Corvel.").arg(nome));
    };
    const int id = tabela.indiceCampo(u"id"), mes = tabela.indiceCampo(u"mes"),
              evap = tabela.indiceCampo(u"Evaporacao"),
              mensal = tabela.indiceCampo(u"EvaporacaoMensal");
    if (id < 0 || mes < 0 || evap < 0 || mensal < 0 || tabela.linhas() != 12) throw invalido();
    TabelaEvaporacao t;
    std::array<bool, 12> visto{};
    for (qsizetype l = 0; l < tabela.linhas(); ++l) {
        const std::optional<qint64> i = tabela.inteiro(l, id);
        // The file keeps a unique index on id: a repeated or foreign month is not ours.
        if (!i || *i < 1 || *i > 12 || visto[static_cast<std::size_t>(*i - 1)]) throw invalido();
        visto[static_cast<std::size_t>(*i - 1)] = true;
        t[static_cast<std::size_t>(*i - 1)] = {static_cast<int>(*i), tabela.texto(l, mes),
                                               tabela.real(l, evap).value_or(0),
                                               tabela.real(l, mensal).value_or(0)};
    }
    return t;
}

QString caminhoEvaporacao(const QString& pasta) {
    return QDir(pasta).filePath(QString::fromLatin1(kArquivoEvaporacao));
}

TabelaEvaporacao lerEvaporacao(const QString& pasta) {
    const QString caminho = caminhoEvaporacao(pasta);
    return deTabelaEvaporacao(lerTabela(caminho), caminho);
}

void gravarEvaporacao(const QString& pasta, const TabelaEvaporacao& evaporacao) {
    if (!QDir().mkpath(pasta))
        throw ErroArquivo(QStringLiteral("Não foi possível criar a pasta \"%1\".")
                              .arg(QDir::toNativeSeparators(pasta)));
    gravarTabela(caminhoEvaporacao(pasta), paraTabela(evaporacao));
}

TabelaEvaporacao prepararEvaporacao(const QString& pasta, const QString& pastaPrograma) {
    TabelaEvaporacao t = evaporacaoInicial();
    if (QFileInfo::exists(caminhoEvaporacao(pasta))) {
        t = lerEvaporacao(pasta);
    } else if (!pastaPrograma.isEmpty() && QFileInfo::exists(caminhoEvaporacao(pastaPrograma))) {
        // A damaged seed is the installation's fault, not the user's data: start from zeros.
        try {
            t = lerEvaporacao(pastaPrograma);
        } catch (const ErroArquivo&) {
            t = evaporacaoInicial();
        }
    }
    gravarEvaporacao(pasta, t);
    return t;
}

double calcularEvaporacao(TabelaEvaporacao& evaporacao, double areaKm2, bool considerar) {
    double soma = 0;
    for (MesEvaporacao& m : evaporacao) {
        // mm/day × km² = 1 000 m³/day, and a day is 86 400 s.
        m.evaporacaoMensal = considerar ? m.evaporacao * areaKm2 / 86.4 : 0.0;
        soma += m.evaporacaoMensal;
    }
    return soma / 12;
}

double lerAreaReservatorio(QStringView texto) {
    QString t = texto.toString();
    if (t.isEmpty()) return 0;
    for (QChar c : t)
        if (!teclaDaArea(c) || c == u'\b')
            throw ErroConversao(
                QStringLiteral("'%1' não é um valor de ponto flutuante válido").arg(t));
    t.replace(u'.', u',');
    try {
        return lerReal(t);
    } catch (const ErroConversao&) {
        // Report what the user typed, not the text with its points turned into commas.
        throw ErroConversao(
            QStringLiteral("'%1' não é um valor de ponto flutuante válido").arg(texto.toString()));
    }
}

bool teclaDaArea(QChar tecla) {
    return (tecla >= u'0' && tecla <= u'9') || tecla == u'\b' || tecla == u',' || tecla == u'.';
}

QString mensagemAlterarEvaporacao() {
    const QChar q(kQuebraLinha);
    return QStringLiteral("Para alterar esses valores: ") + q +
           QStringLiteral("Vá no menu --> Operações --> Calcular") + q +
           QStringLiteral("Na caixa de mensagem \"Deseja considerar a evaporação?\"") + q +
           QStringLiteral("Escolha \"Sim\"") + q +
           QStringLiteral(
               "Na nova janela altere os valores de evaporação e digite a área do reservatório.");
}

} // namespace corvel

// The evaporation file in the user's data folder (first use, seed beside the program, the user's
// values, damaged files), the evaporated flows and the reservoir area entry.
#include "analyses/evaporacao.h"

#include "core/arquivotabela.h"
#include "core/erros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QByteArray bytes(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escreverBytes(const QString& caminho, const QByteArray& b) {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

TabelaEvaporacao taxas(double primeira) {
    TabelaEvaporacao t = evaporacaoInicial();
    for (std::size_t m = 0; m < 12; ++m)
        t[m].evaporacao = primeira + 0.5 * static_cast<double>(m);
    return t;
}

TEST(Evaporacao, TabelaInicialDozeMesesZerados) {
    const TabelaEvaporacao t = evaporacaoInicial();
    const char* nomes[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                           "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_EQ(t[m].id, static_cast<int>(m) + 1);
        EXPECT_EQ(t[m].mes, QString::fromUtf8(nomes[m]));
        EXPECT_EQ(t[m].evaporacao, 0.0);
        EXPECT_EQ(t[m].evaporacaoMensal, 0.0);
    }
}

TEST(Evaporacao, GravadaNaPastaDoUsuarioELidaDeVolta) {
    QTemporaryDir raiz;
    const QString pasta = raiz.filePath(QStringLiteral("dados/Corvel 1.0")); // not there yet
    TabelaEvaporacao t = taxas(3.25);
    t[6].evaporacaoMensal = 1.5;
    gravarEvaporacao(pasta, t);
    EXPECT_TRUE(QFile::exists(QDir(pasta).filePath(QStringLiteral("Evaporacao.cds"))));
    const TabelaEvaporacao lida = lerEvaporacao(pasta);
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_EQ(lida[m].id, t[m].id);
        EXPECT_EQ(lida[m].mes, t[m].mes);
        EXPECT_EQ(lida[m].evaporacao, t[m].evaporacao);
        EXPECT_EQ(lida[m].evaporacaoMensal, t[m].evaporacaoMensal);
    }
    // The file is a table snapshot with the four fields, January first.
    const Tabela arquivo = lerTabela(caminhoEvaporacao(pasta));
    EXPECT_EQ(arquivo.campos(), camposEvaporacao());
    EXPECT_EQ(arquivo.texto(0, 1), QStringLiteral("Janeiro"));
}

TEST(Evaporacao, PrepararNoPrimeiroUsoEDepois) {
    QTemporaryDir usuario, programa;
    const QString pasta = usuario.filePath(QStringLiteral("Corvel"));

    // No file anywhere: twelve rows of 0, saved.
    EXPECT_EQ(prepararEvaporacao(pasta, programa.path())[0].evaporacao, 0.0);
    EXPECT_TRUE(QFile::exists(caminhoEvaporacao(pasta)));
    ASSERT_TRUE(QFile::remove(caminhoEvaporacao(pasta)));

    // First use with a copy beside the program: its values, saved to the user's folder; the seed
    // is only read.
    gravarEvaporacao(programa.path(), taxas(4));
    const QByteArray semente = bytes(caminhoEvaporacao(programa.path()));
    EXPECT_EQ(prepararEvaporacao(pasta, programa.path())[11].evaporacao, 9.5);
    EXPECT_EQ(lerEvaporacao(pasta)[11].evaporacao, 9.5);
    EXPECT_EQ(bytes(caminhoEvaporacao(programa.path())), semente);

    // Later: the user's last values, not the seed's.
    gravarEvaporacao(pasta, taxas(1));
    EXPECT_EQ(prepararEvaporacao(pasta, programa.path())[0].evaporacao, 1.0);
}

TEST(Evaporacao, ArquivosDanificados) {
    QTemporaryDir usuario, programa;
    // A damaged seed is not the user's data: start from zeros.
    escreverBytes(caminhoEvaporacao(programa.path()), "lixo");
    EXPECT_EQ(prepararEvaporacao(usuario.path(), programa.path())[3].evaporacao, 0.0);

    // A damaged file of the user's is reported and kept for the user to look at.
    escreverBytes(caminhoEvaporacao(usuario.path()), "lixo");
    EXPECT_THROW(prepararEvaporacao(usuario.path(), programa.path()), ErroArquivo);
    EXPECT_EQ(bytes(caminhoEvaporacao(usuario.path())), QByteArray("lixo"));
}

TEST(Evaporacao, TabelasRecusadas) {
    const auto semCampo = [] {
        std::vector<Campo> c = camposEvaporacao();
        c.pop_back();
        return Tabela(c);
    };
    const auto primeiros = [](qsizetype n) {
        const Tabela cheia = paraTabela(evaporacaoInicial());
        Tabela t(camposEvaporacao());
        for (qsizetype l = 0; l < n; ++l) {
            const qsizetype k = t.acrescentarLinha();
            for (int c = 0; c < 4; ++c)
                t.definir(k, c, cheia.valor(l, c));
        }
        return t;
    };
    const struct {
        const char* descricao;
        std::function<void(Tabela&)> estragar;
    } casos[] = {
        {"onze meses", [&](Tabela& t) { t = primeiros(11); }},
        {"mês repetido", [](Tabela& t) { t.definir(5, 0, qint64{5}); }},
        {"mês 13", [](Tabela& t) { t.definir(11, 0, qint64{13}); }},
        {"mês vazio", [](Tabela& t) { t.definir(0, 0, Valor()); }},
        {"sem EvaporacaoMensal", [&](Tabela& t) { t = semCampo(); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.descricao);
        Tabela t = paraTabela(evaporacaoInicial());
        c.estragar(t);
        try {
            deTabelaEvaporacao(t, QStringLiteral("/pasta/Evaporacao.cds"));
            ADD_FAILURE() << "aceita";
        } catch (const ErroArquivo& e) {
            EXPECT_EQ(
                e.mensagem(),
                QStringLiteral(
                    "O arquivo \"Evaporacao.cds\" não é uma tabela de evaporação do Corvel."));
        }
    }
}

TEST(Evaporacao, TabelaAceitaEmQualquerOrdemECaixa) {
    std::vector<Campo> campos = camposEvaporacao();
    for (Campo& c : campos)
        c.nome = c.nome.toUpper();
    Tabela t(campos);
    for (int m = 12; m >= 1; --m) { // December first
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, 0, qint64{m});
        t.definir(l, 1, QStringLiteral("mês %1").arg(m));
        if (m != 2) t.definir(l, 2, m * 1.0); // February's rate left empty
    }
    const TabelaEvaporacao e = deTabelaEvaporacao(t, QStringLiteral("Evaporacao.cds"));
    EXPECT_EQ(e[0].mes, QStringLiteral("mês 1"));
    EXPECT_EQ(e[0].evaporacao, 1.0);
    EXPECT_EQ(e[1].evaporacao, 0.0);
    EXPECT_EQ(e[11].evaporacao, 12.0);
}

TEST(Evaporacao, VazaoEvaporadaDeCadaMes) {
    // mm/day × km² ÷ 86,4 = m³/s: 8,64 mm/day over 10 km² is 1 m³/s (86 400 m³ a day).
    const struct {
        double taxa, area, vazao;
    } casos[] = {
        {8.64, 10, 1.0}, {4.32, 10, 0.5}, {5, 1000, 57.87037037037037}, {0, 500, 0}, {6, 0, 0}};
    for (const auto& c : casos) {
        TabelaEvaporacao t = evaporacaoInicial();
        for (MesEvaporacao& m : t)
            m.evaporacao = c.taxa;
        EXPECT_NEAR(calcularEvaporacao(t, c.area, true), c.vazao, 1e-12) << c.taxa << " " << c.area;
        EXPECT_NEAR(t[7].evaporacaoMensal, c.vazao, 1e-12);
    }
    // The mean of twelve different months: (1 + 2 + ... + 12) ÷ 12 with 8,64 m mm/day over 10 km².
    TabelaEvaporacao t = evaporacaoInicial();
    for (int m = 1; m <= 12; ++m)
        t[static_cast<std::size_t>(m - 1)].evaporacao = 8.64 * m;
    EXPECT_NEAR(calcularEvaporacao(t, 10, true), 6.5, 1e-12);
    EXPECT_NEAR(t[2].evaporacaoMensal, 3.0, 1e-12);
    EXPECT_EQ(calcularEvaporacao(t, 10, false), 0.0);
    EXPECT_EQ(t[2].evaporacaoMensal, 0.0);
}

TEST(Evaporacao, CampoDaArea) {
    const struct {
        const char* texto;
        double area;
    } aceitos[] = {{"", 0}, {"0", 0}, {"1500", 1500}, {"12,5", 12.5}, {"12.5", 12.5}, {",5", 0.5}};
    for (const auto& c : aceitos)
        EXPECT_DOUBLE_EQ(lerAreaReservatorio(QString::fromUtf8(c.texto)), c.area) << c.texto;
    for (const char* ruim : {"1.500,5", "abc", "-5", "1e3", " 7"}) {
        try {
            lerAreaReservatorio(QString::fromUtf8(ruim));
            ADD_FAILURE() << ruim;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("'%1' não é um valor de ponto flutuante válido")
                                        .arg(QString::fromUtf8(ruim)));
        }
    }
    for (QChar c : QStringLiteral("0123456789,.\b"))
        EXPECT_TRUE(teclaDaArea(c)) << static_cast<int>(c.unicode());
    for (QChar c : QStringLiteral("a-+ eE;"))
        EXPECT_FALSE(teclaDaArea(c)) << static_cast<int>(c.unicode());
    EXPECT_EQ(QString::fromUtf8(kMsgAreaInvalida), QStringLiteral("Área da bacia inválida"));
}

TEST(Evaporacao, PastaPadraoEAMensagemDaGrade) {
    // Test mode keeps the lookup away from the real profile; the folder is this program's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("corvel-teste"));
    const QString pasta = pastaDadosUsuario();
    EXPECT_TRUE(pasta.endsWith(QStringLiteral("/corvel-teste"))) << pasta.toStdString();
    EXPECT_TRUE(pasta.contains(QStringLiteral(".qttest"))) << pasta.toStdString();
    QStandardPaths::setTestModeEnabled(false);

    EXPECT_EQ(mensagemAlterarEvaporacao(),
              QStringLiteral("Para alterar esses valores: \nVá no menu --> Operações --> Calcular\n"
                             "Na caixa de mensagem \"Deseja considerar a evaporação?\"\nEscolha "
                             "\"Sim\"\nNa nova janela altere os valores de evaporação e digite a "
                             "área do reservatório."));
}

} // namespace

// corvel-cli hidrograma: the chart of a year and of the whole period written as an image, the
// rating-curve lines only with valid limits, and the refusals with their exit codes.
#include "core/construtor.h"
#include "execucao.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::subcomando;

// 1990 and 1991 between 20 and 80 m³/s, 3 February 1991 missing.
std::optional<double> vazao(QDate d) {
    if (d == QDate(1991, 2, 3)) return std::nullopt;
    return 20 + (d.dayOfYear() % 60);
}

class CliHidrograma : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pasta.isValid());
        projeto = teste::gravarProjetoDiario(pasta.filePath(QStringLiteral("estacao.cvl")),
                                             QDate(1990, 1, 1), QDate(1991, 12, 1), vazao);
    }
    QString figura(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    QString projeto;
};

// Pixels where one channel of the chart's line colours (red, green, blue) stands out: the lines
// are smoothed, so few pixels hold the pure colour.
int pixels(const QImage& imagem, int canal) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QRgb p = imagem.pixel(x, y);
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            n += c[canal] > 180 && c[(canal + 1) % 3] < 120 && c[(canal + 2) % 3] < 120 ? 1 : 0;
        }
    return n;
}
enum { kVermelho, kVerde, kAzul };

// The last line of the error output: a display-less platform may add notes of its own before.
QString ultimaLinha(const QString& erro) {
    const QStringList linhas = erro.split(u'\n', Qt::SkipEmptyParts);
    return linhas.isEmpty() ? QString() : linhas.back();
}

TEST_F(CliHidrograma, AnoComLimitesDesenhaAsTresLinhas) {
    const auto e = subcomando("hidrograma",
                              {projeto, QStringLiteral("--ano"), QStringLiteral("1991"),
                               QStringLiteral("-o"), figura("ano.png"), QStringLiteral("--limites"),
                               QStringLiteral("100"), QStringLiteral("5")});
    ASSERT_EQ(e.codigo, 0) << e.erro.toStdString();
    EXPECT_EQ(e.saida, u"");
    EXPECT_EQ(ultimaLinha(e.erro), u"Dias sem valor interrompem a linha da hidrógrafa.");
    QImage imagem(figura("ano.png"), "PNG");
    ASSERT_FALSE(imagem.isNull());
    EXPECT_EQ(imagem.size(), QSize(1400, 800));
    // The limit lines cross the plot, over a thousand pixels each.
    EXPECT_GT(pixels(imagem, kVerde), 1000);
    EXPECT_GT(pixels(imagem, kAzul), 1000);
    EXPECT_GT(pixels(imagem, kVermelho), 1000);
}

TEST_F(CliHidrograma, PeriodoCompletoSemLimitesNaoTemLinhasDaCurvaChave) {
    const auto e = subcomando("hidrograma", {projeto, QStringLiteral("-o"), figura("todo.bmp")});
    ASSERT_EQ(e.codigo, 0) << e.erro.toStdString();
    QImage imagem(figura("todo.bmp"), "BMP");
    ASSERT_FALSE(imagem.isNull());
    EXPECT_EQ(imagem.size(), QSize(1400, 800));
    // Only the legend's small squares carry the limits' colours.
    EXPECT_LT(pixels(imagem, kVerde), 300);
    EXPECT_LT(pixels(imagem, kAzul), 300);
    EXPECT_GT(pixels(imagem, kVermelho), 1000);
}

TEST_F(CliHidrograma, Recusas) {
    struct Caso {
        QStringList argumentos;
        int codigo;
        const char* erro;
    };
    const QString png = figura("x.png");
    const Caso casos[] = {
        {{projeto, QStringLiteral("-o"), png, QStringLiteral("--limites"), QStringLiteral("5"),
          QStringLiteral("5")},
         1,
         "corvel-cli hidrograma: Valores para curva-chave inválidos. O limite superior deve ser "
         "maior que o limite inferior.\n"},
        {{projeto, QStringLiteral("-o"), png, QStringLiteral("--limites"), QStringLiteral("10"),
          QStringLiteral("-1")},
         1,
         "corvel-cli hidrograma: Valores para curva-chave inválidos. O limite superior deve ser "
         "maior que o limite inferior.\n"},
        {{projeto, QStringLiteral("-o"), png, QStringLiteral("--ano"), QStringLiteral("1989")},
         1,
         "corvel-cli hidrograma: o ano 1989 está fora do período da série (1990 a 1991)\n"},
    };
    for (const Caso& c : casos) {
        const auto e = subcomando("hidrograma", c.argumentos);
        EXPECT_EQ(e.codigo, c.codigo);
        EXPECT_EQ(ultimaLinha(e.erro) + u'\n', QString::fromUtf8(c.erro));
    }
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(subcomando("hidrograma", {projeto}).codigo, 2);
    EXPECT_EQ(subcomando("hidrograma", {projeto, QStringLiteral("-o"), png, QStringLiteral("--ano"),
                                        QStringLiteral("mil")})
                  .codigo,
              2);
}

// Without the chart module beside it the program still runs every other subcommand, and says
// what is missing when asked to draw.
TEST_F(CliHidrograma, SemOModuloDeGraficos) {
    const QString programa = pasta.filePath(QStringLiteral("corvel-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVEL_CLI), programa));
    const auto info = teste::executar(programa, {QStringLiteral("info"), projeto});
    EXPECT_EQ(info.codigo, 0);
    EXPECT_EQ(info.linhas.value(0), u"Estação: 12345678");
    const auto e = teste::executar(
        programa, {QStringLiteral("hidrograma"), projeto, QStringLiteral("-o"), figura("x.png")});
    EXPECT_EQ(e.codigo, 1);
    EXPECT_TRUE(ultimaLinha(e.erro).startsWith(
        u"corvel-cli hidrograma: o módulo de desenho (corvel-ficha) não pôde ser carregado: "))
        << e.erro.toStdString();
    EXPECT_FALSE(QFile::exists(figura("x.png")));
}

} // namespace

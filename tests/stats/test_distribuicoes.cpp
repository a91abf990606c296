// The six fits of a realistic sample of annual maxima and of annual minima against an
// independent implementation (tests/stats/referencias.py, Python standard library only, written
// from the published formulas): the event, its standard error and every displayed statistic and
// parameter at T = 2, 10 and 100.
#include "amostras.h"

#include "stats/distribuicoes.h"

#include <gtest/gtest.h>
#include <limits>
#include <string_view>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

constexpr double kNada = std::numeric_limits<double>::quiet_NaN(); // the class shows no such value

struct Referencia {
    const char* classe;
    bool maximos;
    int T;
    double evento, erro, media, variancia, assimetria, alfa, beta, gama, a;
};

// Printed by referencias.py (repr of each double). Both sides evaluate the same formulas in
// double precision; they differ only in the order of a few sums and products (about 1e-15).
// 1e-9 also covers the three-parameter log-normal, whose sixth central moment cancels to
// about 8 digits at this small log variance.
const Referencia kReferencias[] = {
    {"TGumbel", true, 2, 841.091775213011, 54.68272713311341, 890.6033333333332, 105319.71136781611,
     1.310279674837331, 0.003951869035336303, 744.564839942095, 0.0, kNada},
    {"TWeibull", false, 2, 13.454287779260461, 0.5540520927467021, 13.546666666666665,
     7.163822222222308, 0.2236980135938948, 2.8514601323594984, 14.406782211138344,
     6.509955704620537, kNada},
    {"TPearson3", true, 2, 799.8353373541404, 78.64395187353473, 890.6033333333332,
     105319.71136781611, 1.86375988231172, 302.4229836175947, 1.1515427697090614, 542.3503331546501,
     kNada},
    {"TLogPearson3", true, 2, 831.8267994821324, 55.37073855576309, 6.734061687544973,
     0.11325144523841385, 0.1862697612624962, 0.031342543603558634, 115.28565608146414,
     3.120715984946819, kNada},
    {"TLogNormal2", true, 2, 836.7795149674683, 54.334952470729306, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, kNada},
    {"TLogNormal3", true, 2, 831.0734430288207, 69.58514399508364, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, 105.26837176318486},
    {"TPearson3", false, 2, 13.40980546506134, 0.5401164466648669, 13.546666666666665,
     7.4108505747127325, 0.30241490858316833, 0.4116301999965687, 43.73746384964013,
     -4.4569943251033965, kNada},
    {"TLogPearson3", false, 2, 13.441666278009242, 0.5427365103885515, 2.586055895891639,
     0.041158351414989955, -0.36522621971366453, -0.03704767327309504, 29.987212350698435,
     3.6970123414312352, kNada},
    {"TLogNormal2", false, 2, 13.281151534869688, 0.4836080068151448, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, kNada},
    {"TLogNormal3", false, 2, 13.450724560533596, 0.5372592527223551, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, -24.930411401574176},
    {"TGumbel", true, 10, 1390.6977400190444, 137.27916680651197, 890.6033333333332,
     105319.71136781611, 1.310279674837331, 0.003951869035336303, 744.564839942095, 0.0, kNada},
    {"TWeibull", false, 10, 10.096763908825817, 0.5648545826409964, 13.546666666666665,
     7.163822222222308, 0.2236980135938948, 2.8514601323594984, 14.406782211138344,
     6.509955704620537, kNada},
    {"TPearson3", true, 10, 1311.005211449695, 141.59443032487437, 890.6033333333332,
     105319.71136781611, 1.86375988231172, 302.4229836175947, 1.1515427697090614, 542.3503331546501,
     kNada},
    {"TLogPearson3", true, 10, 1301.8037417577063, 119.38324651978462, 6.734061687544973,
     0.11325144523841385, 0.1862697612624962, 0.031342543603558634, 115.28565608146414,
     3.120715984946819, kNada},
    {"TLogNormal2", true, 10, 1315.713499515682, 124.06354767931154, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, kNada},
    {"TLogNormal3", true, 10, 1312.6464366629054, 122.1882763291945, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, 105.26837176318486},
    {"TPearson3", false, 10, 10.158262556983349, 0.5926452542989099, 13.546666666666665,
     7.4108505747127325, 0.30241490858316833, 0.4116301999965687, 43.73746384964013,
     -4.4569943251033965, kNada},
    {"TLogPearson3", false, 10, 10.170705900824082, 0.6036709505813225, 2.586055895891639,
     0.041158351414989955, -0.36522621971366453, -0.03704767327309504, 29.987212350698435,
     3.6970123414312352, kNada},
    {"TLogNormal2", false, 10, 10.291511527301678, 0.5499127972047333, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, kNada},
    {"TLogNormal3", false, 10, 10.127307219274442, 0.6214003874374292, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, -24.930411401574176},
    {"TGumbel", true, 100, 2076.2359341196775, 263.9497559532528, 890.6033333333332,
     105319.71136781611, 1.310279674837331, 0.003951869035336303, 744.564839942095, 0.0, kNada},
    {"TWeibull", false, 100, 8.083294590531446, 0.9973568795660671, 13.546666666666665,
     7.163822222222308, 0.2236980135938948, 2.8514601323594984, 14.406782211138344,
     6.509955704620537, kNada},
    {"TPearson3", true, 100, 2040.8487400174477, 481.9678636882988, 890.6033333333332,
     105319.71136781611, 1.86375988231172, 302.4229836175947, 1.1515427697090614, 542.3503331546501,
     kNada},
    {"TLogPearson3", true, 100, 1925.642131695275, 355.7135998681231, 6.734061687544973,
     0.11325144523841385, 0.1862697612624962, 0.031342543603558634, 115.28565608146414,
     3.120715984946819, kNada},
    {"TLogNormal2", true, 100, 1902.9109372233388, 231.54929154310213, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, kNada},
    {"TLogNormal3", true, 100, 1933.597797396616, 425.4912961248524, 890.6033333333332,
     105319.71136781611, 1.310279674837331, kNada, kNada, kNada, 105.26837176318486},
    {"TPearson3", false, 100, 7.819687513050697, 1.1122820792936186, 13.546666666666665,
     7.4108505747127325, 0.30241490858316833, 0.4116301999965687, 43.73746384964013,
     -4.4569943251033965, kNada},
    {"TLogPearson3", false, 100, 7.846262802025969, 0.9877029897954106, 2.586055895891639,
     0.041158351414989955, -0.36522621971366453, -0.03704767327309504, 29.987212350698435,
     3.6970123414312352, kNada},
    {"TLogNormal2", false, 100, 8.359376409727766, 0.7472333864776084, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, kNada},
    {"TLogNormal3", false, 100, 7.631700344082174, 1.1434380993745463, 13.546666666666665,
     7.4108505747127325, 0.21260684482210623, kNada, kNada, kNada, -24.930411401574176},
};

constexpr double kTolerancia = 1e-9;

template <class Ajuste> void conferir(const Ajuste& d, const Referencia& r) {
    SCOPED_TRACE(testing::Message()
                 << r.classe << (r.maximos ? " maxima" : " minima") << " T = " << r.T);
    ASSERT_EQ(d.GetErro(), 0);
    EXPECT_TRUE(relativo(d.GetEvento(), r.evento, kTolerancia));
    EXPECT_TRUE(relativo(d.GetErroPadrao(), r.erro, kTolerancia));
    EXPECT_TRUE(relativo(d.GetLimiteSuperior(), r.evento + 1.96 * r.erro, kTolerancia));
    EXPECT_TRUE(relativo(d.GetLimiteInferior(), r.evento - 1.96 * r.erro, kTolerancia));
    EXPECT_TRUE(relativo(d.Media(), r.media, kTolerancia));
    EXPECT_TRUE(relativo(d.Variancia(), r.variancia, kTolerancia));
    EXPECT_TRUE(relativo(d.Assimetria(), r.assimetria, kTolerancia));
    if constexpr (requires { d.Alfa(); }) {
        EXPECT_TRUE(relativo(d.Alfa(), r.alfa, kTolerancia));
        EXPECT_TRUE(relativo(d.Beta(), r.beta, kTolerancia));
        EXPECT_TRUE(relativo(d.Gama(), r.gama, kTolerancia));
    } else if constexpr (requires { d.A(); }) {
        EXPECT_TRUE(relativo(d.A(), r.a, kTolerancia));
    }
}

TEST(Distribuicoes, ContraImplementacaoIndependente) {
    for (const Referencia& r : kReferencias) {
        const std::vector<double>& x = r.maximos ? kMaximas : kMinimas;
        const std::string_view c = r.classe;
        if (c == "TWeibull")
            conferir(TWeibull(x, r.T), r);
        else if (c == "TGumbel")
            conferir(TGumbel(x, r.T, r.maximos), r);
        else if (c == "TPearson3")
            conferir(TPearson3(x, r.T, r.maximos), r);
        else if (c == "TLogPearson3")
            conferir(TLogPearson3(x, r.T, r.maximos), r);
        else if (c == "TLogNormal2")
            conferir(TLogNormal2(x, r.T, r.maximos), r);
        else if (c == "TLogNormal3")
            conferir(TLogNormal3(x, r.T, r.maximos), r);
        else
            ADD_FAILURE() << c;
    }
}

TEST(Distribuicoes, WeibullQuantilDaPropriaDistribuicao) {
    // The fitted Weibull's quantile ξ + β y^(1/α), y = −ln(1 − 1/T), with β = (ξ + β) − ξ, is
    // the event computed as x̄ + K √m2.
    for (const int T : {2, 5, 10, 50, 100, 1000}) {
        const TWeibull w(kMinimas, T);
        const double y = -std::log(1 - 1.0 / T);
        EXPECT_TRUE(relativo(w.Gama() + (w.Beta() - w.Gama()) * std::pow(y, 1 / w.Alfa()),
                             w.GetEvento(), 1e-12))
            << "T = " << T;
    }
}

TEST(Distribuicoes, WeibullForaDaFaixaDaAssimetriaAindaCalcula) {
    // g = 2.66 > 2.0 (referencias.py, "weibull assimetrica"): the polynomial is outside its
    // range, the window warns, the class computes.
    const std::vector<double> x = {2.1, 2.4, 2.2, 2.0, 2.3, 2.5, 2.2, 2.1, 2.4, 25.0};
    const TWeibull w(x, 10);
    ASSERT_EQ(w.GetErro(), 0);
    EXPECT_TRUE(relativo(w.Assimetria(), 2.664285082512934, kTolerancia));
    EXPECT_TRUE(relativo(w.GetEvento(), -1.2380138146314543, kTolerancia));
    EXPECT_TRUE(relativo(w.GetErroPadrao(), 2.8278878888049683, kTolerancia));
    EXPECT_TRUE(relativo(w.Gama(), -1.7634209548237134, kTolerancia));
}

TEST(Distribuicoes, OutroPeriodoDoMesmoAjusteDaOsMesmosNumeros) {
    // The analysis fits each sample once and derives the other return periods from it.
    for (const int T : {2, 3, 37, 100, 10010})
        for (const bool maximos : {true, false}) {
            const std::vector<double>& x = maximos ? kMaximas : kMinimas;
            const auto igual = [&](const ResultadoAjuste& a, const ResultadoAjuste& b) {
                EXPECT_EQ(a.GetEvento(), b.GetEvento()) << "T = " << T;
                EXPECT_EQ(a.GetErroPadrao(), b.GetErroPadrao()) << "T = " << T;
                EXPECT_EQ(a.GetLimiteInferior(), b.GetLimiteInferior()) << "T = " << T;
                EXPECT_EQ(a.GetErro(), b.GetErro()) << "T = " << T;
            };
            igual(TWeibull(TWeibull(x, 2), T), TWeibull(x, T));
            igual(TGumbel(TGumbel(x, 2, maximos), T), TGumbel(x, T, maximos));
            igual(TPearson3(TPearson3(x, 2, maximos), T), TPearson3(x, T, maximos));
            igual(TLogPearson3(TLogPearson3(x, 2, maximos), T), TLogPearson3(x, T, maximos));
            igual(TLogNormal2(TLogNormal2(x, 2, maximos), T), TLogNormal2(x, T, maximos));
            igual(TLogNormal3(TLogNormal3(x, 2, maximos), T), TLogNormal3(x, T, maximos));
        }
}

} // namespace

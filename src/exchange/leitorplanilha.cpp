// Workbook readers over liborcus (.xlsx, .ods) and freexl (.xls). They run in the corvel-planilha
// process only: the libraries abort on some damaged files, which must not take the workbench down.
#include "leitorplanilha.h"

#include "core/formato.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <stdexcept>
#include <freexl.h>
#include <ixion/cell.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>

namespace corvel {

namespace {

std::optional<QString> naoVazio(QString s) {
    if (s.isEmpty())
        return std::nullopt;
    return s;
}

// Largest workbook file read, and largest total its zip entries may claim once inflated: far above
// any sheet of annual events, far below what would exhaust memory.
constexpr qint64 kTamanhoMaximoPlanilha = 64LL * 1024 * 1024;
constexpr qint64 kDescompactadoMaximo = 256LL * 1024 * 1024;

quint32 le32(const QByteArray& b, qint64 i) {
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<quint8>(b[i + k]);
    return v;
}
quint16 le16(const QByteArray& b, qint64 i) {
    return static_cast<quint16>(static_cast<quint8>(b[i]) | (static_cast<quint8>(b[i + 1]) << 8));
}

} // namespace

namespace {

void verificarArquivo(const QString& caminho, bool zip) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kTamanhoMaximoPlanilha)
        throw std::runtime_error("planilha ilegível");
    if (zip && !zipPlausivel(f.readAll()))
        throw std::runtime_error("zip danificado");
}

class LeitorOrcus : public LeitorPlanilha {
public:
    explicit LeitorOrcus(const QString& caminho) : documento_({1048576, 16384}), fabrica_(documento_) {
        verificarArquivo(caminho, true);
        const std::string nome = caminho.toStdString();
        if (caminho.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive)) {
            orcus::orcus_ods filtro(&fabrica_);
            filtro.read_file(nome);
        } else {
            orcus::orcus_xlsx filtro(&fabrica_);
            filtro.read_file(nome);
        }
        documento_.recalc_formula_cells();
    }

    std::optional<double> numero(int planilha, int linha, int coluna) const override {
        const auto pos = endereco(planilha, linha, coluna);
        const ixion::model_context& m = documento_.get_model_context();
        if (!pos || m.get_celltype(*pos) != ixion::celltype_t::numeric)
            return std::nullopt;
        return m.get_numeric_value(*pos);
    }

    std::optional<EstiloCelula> estilo(int planilha, int linha, int coluna) const override {
        if (!endereco(planilha, linha, coluna))
            return std::nullopt;
        const auto* folha = documento_.get_sheet(planilha - 1);
        const auto& estilos = documento_.get_styles();
        const auto* formato = estilos.get_cell_format(folha->get_cell_format(linha - 1, coluna - 1));
        if (!formato)
            return std::nullopt;
        auto rgb = [](const orcus::spreadsheet::color_t& c) {
            return (quint32{c.red} << 16) | (quint32{c.green} << 8) | quint32{c.blue};
        };
        EstiloCelula e;
        if (const auto* fundo = estilos.get_fill(formato->fill);
            fundo && fundo->pattern_type == orcus::spreadsheet::fill_pattern_t::solid)
            e.fundo = rgb(fundo->fg_color);
        if (const auto* fonte = estilos.get_font(formato->font)) {
            e.texto = rgb(fonte->color);
            e.negrito = fonte->bold;
        }
        return e;
    }

    std::optional<QString> celula(int planilha, int linha, int coluna) const override {
        const ixion::model_context& m = documento_.get_model_context();
        const auto endereco_ = endereco(planilha, linha, coluna);
        if (!endereco_)
            return std::nullopt;
        const ixion::abs_address_t pos = *endereco_;
        switch (m.get_celltype(pos)) {
        case ixion::celltype_t::string:
            return naoVazio(QString::fromUtf8(m.get_string_value(pos)));
        case ixion::celltype_t::numeric:
            return formatarGeral(m.get_numeric_value(pos));
        case ixion::celltype_t::boolean:
            return m.get_boolean_value(pos) ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        case ixion::celltype_t::formula: {
            const ixion::formula_cell* f = m.get_formula_cell(pos);
            const ixion::formula_result r =
                f->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
            if (r.get_type() == ixion::formula_result::result_type::value)
                return formatarGeral(r.get_value());
            if (r.get_type() == ixion::formula_result::result_type::string)
                return naoVazio(QString::fromStdString(r.get_string()));
            return std::nullopt;
        }
        default:
            return std::nullopt;
        }
    }

private:
    std::optional<ixion::abs_address_t> endereco(int planilha, int linha, int coluna) const {
        const ixion::model_context& m = documento_.get_model_context();
        if (planilha < 1 || static_cast<std::size_t>(planilha) > m.get_sheet_count() || linha < 1 ||
            coluna < 1)
            return std::nullopt;
        return ixion::abs_address_t(planilha - 1, linha - 1, coluna - 1);
    }

    orcus::spreadsheet::document documento_;
    orcus::spreadsheet::import_factory fabrica_;
};

class LeitorFreexl : public LeitorPlanilha {
public:
    explicit LeitorFreexl(const QString& caminho) {
        verificarArquivo(caminho, false);
        if (freexl_open(caminho.toLocal8Bit().constData(), &arquivo_) != FREEXL_OK)
            throw std::runtime_error("freexl");
    }
    ~LeitorFreexl() override { freexl_close(arquivo_); }

    std::optional<FreeXL_CellValue> valor(int planilha, int linha, int coluna) const {
        if (planilha < 1 || linha < 1 || coluna < 1 ||
            freexl_select_active_worksheet(arquivo_, static_cast<unsigned short>(planilha - 1)) != FREEXL_OK)
            return std::nullopt;
        FreeXL_CellValue v;
        if (freexl_get_cell_value(arquivo_, static_cast<unsigned>(linha - 1),
                                  static_cast<unsigned short>(coluna - 1), &v) != FREEXL_OK)
            return std::nullopt;
        return v;
    }

    std::optional<double> numero(int planilha, int linha, int coluna) const override {
        const auto v = valor(planilha, linha, coluna);
        if (!v)
            return std::nullopt;
        if (v->type == FREEXL_CELL_INT)
            return v->value.int_value;
        if (v->type == FREEXL_CELL_DOUBLE)
            return v->value.double_value;
        return std::nullopt;
    }

    std::optional<QString> celula(int planilha, int linha, int coluna) const override {
        const auto valorLido = valor(planilha, linha, coluna);
        if (!valorLido)
            return std::nullopt;
        const FreeXL_CellValue& v = *valorLido;
        switch (v.type) {
        case FREEXL_CELL_INT:
            return QString::number(v.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return formatarGeral(v.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return naoVazio(QString::fromUtf8(v.value.text_value));
        default:
            return std::nullopt;
        }
    }

private:
    const void* arquivo_ = nullptr;
};

} // namespace

bool zipPlausivel(const QByteArray& b) {
    const qint64 n = b.size();
    qint64 fim = -1;
    for (qint64 i = n - 22; i >= 0 && i >= n - 22 - 65535; --i)
        if (le32(b, i) == 0x06054b50u) {
            fim = i;
            break;
        }
    if (fim < 0)
        return false;
    const qint64 entradas = le16(b, fim + 10);
    const qint64 tamanhoDiretorio = le32(b, fim + 12);
    qint64 pos = le32(b, fim + 16);
    if (pos + tamanhoDiretorio > fim)
        return false;
    qint64 total = 0;
    for (qint64 e = 0; e < entradas; ++e) {
        if (pos + 46 > fim || le32(b, pos) != 0x02014b50u)
            return false;
        const qint64 compactado = le32(b, pos + 20);
        const qint64 descompactado = le32(b, pos + 24);
        const qint64 local = le32(b, pos + 42);
        total += descompactado;
        if (compactado > n || descompactado > kDescompactadoMaximo || total > kDescompactadoMaximo ||
            local + 30 > n || le32(b, local) != 0x04034b50u)
            return false;
        // The local header repeats the sizes unless a data descriptor follows the data.
        if ((le16(b, local + 6) & 0x0008) == 0 &&
            (qint64{le32(b, local + 18)} > n || qint64{le32(b, local + 22)} > kDescompactadoMaximo))
            return false;
        pos += 46 + le16(b, pos + 28) + le16(b, pos + 30) + le16(b, pos + 32);
    }
    return true;
}

std::unique_ptr<LeitorPlanilha> abrirLeitorPlanilha(const QString& caminho) {
    if (!QFileInfo(caminho).isFile())
        throw std::runtime_error("arquivo ausente");
    if (caminho.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return std::make_unique<LeitorFreexl>(caminho);
    return std::make_unique<LeitorOrcus>(caminho);
}

} // namespace corvel

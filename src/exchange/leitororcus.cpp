// Workbook cells through liborcus. It runs in the corvel-planilha process only: the library aborts
// on some damaged files, which must not take the workbench down. Formulas are never calculated: a
// single SUM over every column of a sheet would take hours and gigabytes, so a formula cell reads
// as the value its writer cached.
#include "leitororcus.h"

#include "core/formato.h"

#include <cmath>
#include <ixion/cell.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/model_context.hpp>
#include <orcus/config.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>
#include <string_view>

namespace corvel {

namespace {

std::optional<QString> naoVazio(QString s) {
    if (s.isEmpty()) return std::nullopt;
    return s;
}

// The cached result of a formula cell, when its writer saved one.
std::optional<ixion::formula_result> resultadoGuardado(const ixion::model_context& m,
                                                       const ixion::abs_address_t& pos) {
    const ixion::formula_cell* f = m.get_formula_cell(pos);
    if (!f) return std::nullopt;
    try {
        // With no result cached, this throws instead of waiting for a calculation.
        return f->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

template <class Filtro>
void ler(Filtro&& filtro, orcus::format_t formato, const QByteArray& pacote, bool depurar) {
    orcus::config opcoes(formato);
    opcoes.debug = depurar;
    filtro.set_config(opcoes);
    filtro.read_stream(
        std::string_view(pacote.constData(), static_cast<std::size_t>(pacote.size())));
}

} // namespace

LeitorOrcus::LeitorOrcus(const QByteArray& pacote, bool ods, bool depurar)
    : documento_({1048576, 16384}), fabrica_(documento_) {
    fabrica_.set_recalc_formula_cells(false);
    if (ods)
        ler(orcus::orcus_ods(&fabrica_), orcus::format_t::ods, pacote, depurar);
    else
        ler(orcus::orcus_xlsx(&fabrica_), orcus::format_t::xlsx, pacote, depurar);
}

std::optional<ixion::abs_address_t> LeitorOrcus::endereco(int planilha, int linha,
                                                          int coluna) const {
    const ixion::model_context& m = documento_.get_model_context();
    if (planilha < 1 || static_cast<std::size_t>(planilha) > m.get_sheet_count() || linha < 1 ||
        coluna < 1 || linha > 1048576 || coluna > 16384)
        return std::nullopt;
    return ixion::abs_address_t(planilha - 1, linha - 1, coluna - 1);
}

std::optional<double> LeitorOrcus::numero(int planilha, int linha, int coluna) const {
    const auto pos = endereco(planilha, linha, coluna);
    if (!pos) return std::nullopt;
    const ixion::model_context& m = documento_.get_model_context();
    switch (m.get_celltype(*pos)) {
    case ixion::celltype_t::numeric:
        return m.get_numeric_value(*pos);
    case ixion::celltype_t::formula:
        if (const auto r = resultadoGuardado(m, *pos);
            r && r->get_type() == ixion::formula_result::result_type::value &&
            std::isfinite(r->get_value()))
            return r->get_value();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<QString> LeitorOrcus::celula(int planilha, int linha, int coluna) const {
    const auto pos = endereco(planilha, linha, coluna);
    if (!pos) return std::nullopt;
    const ixion::model_context& m = documento_.get_model_context();
    switch (m.get_celltype(*pos)) {
    case ixion::celltype_t::string:
        return naoVazio(QString::fromUtf8(m.get_string_value(*pos)));
    case ixion::celltype_t::numeric:
        return formatarGeral(m.get_numeric_value(*pos));
    case ixion::celltype_t::boolean:
        return m.get_boolean_value(*pos) ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
    case ixion::celltype_t::formula: {
        const auto r = resultadoGuardado(m, *pos);
        if (r && r->get_type() == ixion::formula_result::result_type::value)
            return std::isfinite(r->get_value()) ? std::optional(formatarGeral(r->get_value()))
                                                 : std::nullopt;
        if (r && r->get_type() == ixion::formula_result::result_type::string)
            return naoVazio(QString::fromStdString(r->get_string()));
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<EstiloCelula> LeitorOrcus::estilo(int planilha, int linha, int coluna) const {
    if (!endereco(planilha, linha, coluna)) return std::nullopt;
    const auto* folha = documento_.get_sheet(planilha - 1);
    const auto& estilos = documento_.get_styles();
    const auto* formato = estilos.get_cell_format(folha->get_cell_format(linha - 1, coluna - 1));
    if (!formato) return std::nullopt;
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

} // namespace corvel

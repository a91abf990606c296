// Spreadsheet exports through libxlsxwriter.
#include "planilha.h"

#include "core/erros.h"

#include <QFileInfo>
#include <cmath>
#include <map>
#include <xlsxwriter.h>

namespace corvel {

namespace {

enum class Modo { Texto, Valores, Cores };

// One workbook being written; closes (and so writes) the file on every way out.
class Pasta {
public:
    explicit Pasta(const QString& caminho)
        : caminho_(caminho), utf8_(caminho.toUtf8()), livro_(workbook_new(utf8_.constData())) {
        if (!livro_)
            falha();
    }
    ~Pasta() {
        if (livro_)
            workbook_close(livro_);
    }
    Pasta(const Pasta&) = delete;
    Pasta& operator=(const Pasta&) = delete;

    lxw_worksheet* planilha(const QString& titulo) {
        const QByteArray nome = nomePlanilha(titulo).toUtf8();
        lxw_worksheet* p = workbook_add_worksheet(livro_, nome.isEmpty() ? nullptr : nome.constData());
        if (!p)
            falha();
        return p;
    }
    lxw_format* formatoData() {
        if (!data_) {
            data_ = workbook_add_format(livro_);
            format_set_num_format(data_, "dd/mm/yyyy");
        }
        return data_;
    }
    lxw_format* formatoCores(const CoresClasse& c) {
        auto& f = cores_[{c.fundo, c.texto}];
        if (!f) {
            f = workbook_add_format(livro_);
            format_set_bg_color(f, c.fundo);
            format_set_font_color(f, c.texto);
            format_set_bold(f);
        }
        return f;
    }
    void fechar() {
        const lxw_error e = workbook_close(livro_);
        livro_ = nullptr;
        if (e != LXW_NO_ERROR)
            falha();
    }

private:
    [[noreturn]] void falha() const {
        throw ErroArquivo(QStringLiteral("Não foi possível gravar a planilha \"%1\".")
                              .arg(QFileInfo(caminho_).fileName()));
    }

    QString caminho_;
    QByteArray utf8_;
    lxw_workbook* livro_;
    lxw_format* data_ = nullptr;
    std::map<std::pair<quint32, quint32>, lxw_format*> cores_;
};

void escreverCelula(Pasta& pasta, lxw_worksheet* p, lxw_row_t l, lxw_col_t c, const Valor& v,
                    TipoCampo tipo, Modo modo, bool colorir) {
    lxw_format* f = nullptr;
    if (colorir)
        if (const auto cores = corDisponibilidade(v))
            f = pasta.formatoCores(*cores);
    if (std::holds_alternative<std::monostate>(v)) {
        if (f)
            worksheet_write_blank(p, l, c, f);
        return;
    }
    if (modo == Modo::Texto && tipo != TipoCampo::Real) {
        worksheet_write_string(p, l, c, textoDoValor(v).toUtf8().constData(), f);
        return;
    }
    if (const auto* d = std::get_if<double>(&v)) {
        if (std::isfinite(*d))
            worksheet_write_number(p, l, c, *d, f);
    } else if (const auto* i = std::get_if<qint64>(&v)) {
        worksheet_write_number(p, l, c, static_cast<double>(*i), f);
    } else if (const auto* dt = std::get_if<QDateTime>(&v)) {
        lxw_datetime x{dt->date().year(), dt->date().month(), dt->date().day(), dt->time().hour(),
                       dt->time().minute(), dt->time().second() + dt->time().msec() / 1000.0};
        worksheet_write_datetime(p, l, c, &x, f ? f : pasta.formatoData());
    } else if (const auto* b = std::get_if<bool>(&v)) {
        worksheet_write_boolean(p, l, c, *b ? 1 : 0, f);
    } else {
        worksheet_write_string(p, l, c, std::get<QString>(v).toUtf8().constData(), f);
    }
}

void exportar(const QString& caminho, const TabelaExibida& t, const QString& titulo, int r0, int c0,
              Modo modo, const Progresso& progresso) {
    Pasta pasta(caminho);
    lxw_worksheet* p = pasta.planilha(titulo);
    for (std::size_t c = 0; c < t.colunas.size(); ++c)
        worksheet_write_string(p, static_cast<lxw_row_t>(r0), static_cast<lxw_col_t>(c0 + c),
                               t.colunas[c].rotulo.toUtf8().constData(), nullptr);
    if (progresso)
        progresso(1);
    const std::size_t n = t.linhas.size();
    for (std::size_t l = 0; l < n; ++l) {
        const auto& linha = t.linhas[l];
        for (std::size_t c = 0; c < t.colunas.size() && c < linha.size(); ++c)
            escreverCelula(pasta, p, static_cast<lxw_row_t>(r0 + 1 + l), static_cast<lxw_col_t>(c0 + c),
                           linha[c], t.colunas[c].tipo, modo, modo == Modo::Cores && c > 0);
        if (progresso)
            progresso(static_cast<qint64>((l + 1) * 100 / n));
    }
    pasta.fechar();
}

} // namespace

QString nomePlanilha(const QString& titulo) {
    QString nome;
    for (QChar ch : titulo)
        nome += QStringLiteral("[]:*?/\\").contains(ch) ? QChar(u'_') : ch;
    return nome.left(31);
}

std::optional<CoresClasse> corDisponibilidade(const Valor& v) {
    constexpr quint32 vermelho = 0xFF0000, amarelo = 0xFFFF00, cinza = 0x808080, azul = 0x0000FF,
                      verde = 0x008000, branco = 0xFFFFFF, preto = 0x000000;
    if (std::holds_alternative<std::monostate>(v))
        return CoresClasse{vermelho, branco};
    double x = 0;
    if (const auto* d = std::get_if<double>(&v))
        x = *d;
    else if (const auto* i = std::get_if<qint64>(&v))
        x = static_cast<double>(*i);
    else
        return std::nullopt;
    if (x >= 0 && x <= 80)
        return CoresClasse{vermelho, branco};
    if (x >= 81 && x <= 89)
        return CoresClasse{amarelo, preto};
    if (x >= 90 && x <= 94)
        return CoresClasse{cinza, branco};
    if (x >= 95 && x <= 99)
        return CoresClasse{azul, branco};
    if (x == 100)
        return CoresClasse{verde, branco};
    return std::nullopt;
}

void TExportaExcel::escrever(const QString& caminho, const TabelaExibida& tabela,
                             const QString& titulo, const Progresso& progresso) {
    exportar(caminho, tabela, titulo, 0, 0, Modo::Texto, progresso);
}

void TExportaExcel_2::escrever(const QString& caminho, const TabelaExibida& tabela,
                               const QString& titulo, const Progresso& progresso) {
    exportar(caminho, tabela, titulo, 0, 0, Modo::Cores, progresso);
}

void TExportaStringGridExcel::escrever(const QString& caminho, const TabelaExibida& tabela,
                                       const QString& titulo, int linhaInicial, int colunaInicial,
                                       const Progresso& progresso) {
    exportar(caminho, tabela, titulo, linhaInicial, colunaInicial, Modo::Valores, progresso);
}

} // namespace corvel

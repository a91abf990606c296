// The spreadsheet writer over libxlsxwriter.
#include "planilha.h"

#include "core/erros.h"
#include "core/gravacao.h"
#include "core/plataforma.h"
#include "xlsxdinamico.h"

#include <QFile>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>

namespace corvel {

namespace {

// One workbook being written to `arquivo` (a temporary name) for `destino`; closes (and so writes)
// the file on every way out. The library prints its own error lines on stderr: the caller reports
// a failure in one line of its own, so they are kept quiet.
class Pasta {
  public:
    Pasta(const QString& arquivo, const QString& destino)
        : destino_(destino), utf8_(QFile::encodeName(arquivo)),
          livro_(xlsx::funcoes().workbook_new(utf8_.constData())) {
        if (!livro_) falha(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    ~Pasta() {
        if (livro_) {
            plataforma::SaidaDeErrosSilenciada silencio;
            xlsx::funcoes().workbook_close(livro_);
        }
    }
    Pasta(const Pasta&) = delete;
    Pasta& operator=(const Pasta&) = delete;

    lxw_worksheet* planilha(const QString& titulo) {
        const QByteArray nome = nomePlanilha(titulo).toUtf8();
        lxw_worksheet* p = xlsx::funcoes().workbook_add_worksheet(
            livro_, nome.isEmpty() ? nullptr : nome.constData());
        if (!p) falha(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE);
        return p;
    }
    lxw_format* formatoData() {
        if (!data_) {
            data_ = xlsx::funcoes().workbook_add_format(livro_);
            xlsx::funcoes().format_set_num_format(data_, "dd/mm/yyyy");
        }
        return data_;
    }
    lxw_format* formatoCores(const CoresClasse& c) {
        auto& f = cores_[{c.fundo, c.texto}];
        if (!f) {
            f = xlsx::funcoes().workbook_add_format(livro_);
            xlsx::funcoes().format_set_bg_color(f, c.fundo);
            xlsx::funcoes().format_set_font_color(f, c.texto);
            xlsx::funcoes().format_set_bold(f);
        }
        return f;
    }
    void fechar() {
        errno = 0;
        lxw_error e = LXW_NO_ERROR;
        {
            plataforma::SaidaDeErrosSilenciada silencio;
            e = xlsx::funcoes().workbook_close(livro_);
        }
        livro_ = nullptr;
        if (e != LXW_NO_ERROR) falha(e);
    }

  private:
    // The system's reason when there is one (a full disk, a folder without permission), otherwise
    // the library's.
    [[noreturn]] void falha(lxw_error e) const {
        const QString causa = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                         : QString::fromUtf8(xlsx::funcoes().lxw_strerror(e));
        throw ErroArquivo(mensagemFalhaGravacao(destino_, causa));
    }

    QString destino_;
    QByteArray utf8_;
    lxw_workbook* livro_;
    lxw_format* data_ = nullptr;
    std::map<std::pair<quint32, quint32>, lxw_format*> cores_;
};

void escreverCelula(Pasta& pasta, lxw_worksheet* p, lxw_row_t l, lxw_col_t c, const Valor& v,
                    TipoCampo tipo, ModoPlanilha modo, bool colorir) {
    lxw_format* f = nullptr;
    if (colorir)
        if (const auto cores = corDisponibilidade(v)) f = pasta.formatoCores(*cores);
    if (std::holds_alternative<std::monostate>(v)) {
        if (f) xlsx::funcoes().worksheet_write_blank(p, l, c, f);
        return;
    }
    if (modo == ModoPlanilha::Texto && tipo != TipoCampo::Real) {
        xlsx::funcoes().worksheet_write_string(p, l, c, textoDoValor(v).toUtf8().constData(), f);
        return;
    }
    if (const auto* d = std::get_if<double>(&v)) {
        if (std::isfinite(*d)) xlsx::funcoes().worksheet_write_number(p, l, c, *d, f);
    } else if (const auto* i = std::get_if<qint64>(&v)) {
        xlsx::funcoes().worksheet_write_number(p, l, c, static_cast<double>(*i), f);
    } else if (const auto* dt = std::get_if<QDateTime>(&v)) {
        lxw_datetime x{dt->date().year(),   dt->date().month(),
                       dt->date().day(),    dt->time().hour(),
                       dt->time().minute(), dt->time().second() + dt->time().msec() / 1000.0};
        xlsx::funcoes().worksheet_write_datetime(p, l, c, &x, f ? f : pasta.formatoData());
    } else if (const auto* b = std::get_if<bool>(&v)) {
        xlsx::funcoes().worksheet_write_boolean(p, l, c, *b ? 1 : 0, f);
    } else {
        xlsx::funcoes().worksheet_write_string(p, l, c, std::get<QString>(v).toUtf8().constData(),
                                               f);
    }
}

void escreverPasta(const QString& arquivo, const QString& destino, const TabelaExibida& t,
                   const QString& titulo, int r0, int c0, ModoPlanilha modo,
                   const Progresso& progresso) {
    Pasta pasta(arquivo, destino);
    lxw_worksheet* p = pasta.planilha(titulo);
    for (std::size_t c = 0; c < t.colunas.size(); ++c)
        xlsx::funcoes().worksheet_write_string(p, static_cast<lxw_row_t>(r0),
                                               static_cast<lxw_col_t>(c0 + c),
                                               t.colunas[c].rotulo.toUtf8().constData(), nullptr);
    if (progresso) progresso(1);
    const std::size_t n = t.linhas.size();
    for (std::size_t l = 0; l < n; ++l) {
        const auto& linha = t.linhas[l];
        for (std::size_t c = 0; c < t.colunas.size() && c < linha.size(); ++c)
            escreverCelula(pasta, p, static_cast<lxw_row_t>(r0 + 1 + l),
                           static_cast<lxw_col_t>(c0 + c), linha[c], t.colunas[c].tipo, modo,
                           modo == ModoPlanilha::Cores && c > 0);
        if (progresso) progresso(static_cast<qint64>((l + 1) * 100 / n));
    }
    pasta.fechar();
}

void escreverPlanilhaInterna(const QString& caminho, const TabelaExibida& t, const QString& titulo,
                             int r0, int c0, ModoPlanilha modo, const Progresso& progresso) {
    gravarPorNome(caminho, [&](const QString& temporario) {
        escreverPasta(temporario, caminho, t, titulo, r0, c0, modo, progresso);
    });
}

} // namespace

void escreverPlanilha(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                      int r0, int c0, ModoPlanilha modo, const Progresso& progresso) {
    escreverPlanilhaInterna(caminho, tabela, titulo, r0, c0, modo, progresso);
}

QString nomePlanilha(const QString& titulo) {
    QString nome;
    for (QChar ch : titulo)
        nome += QStringLiteral("[]:*?/\\").contains(ch) ? QChar(u'_') : ch;
    return nome.left(31);
}

std::optional<CoresClasse> corDisponibilidade(const Valor& v) {
    constexpr quint32 vermelho = 0xFF0000, amarelo = 0xFFFF00, cinza = 0x808080, azul = 0x0000FF,
                      verde = 0x008000, branco = 0xFFFFFF, preto = 0x000000;
    if (std::holds_alternative<std::monostate>(v)) return CoresClasse{vermelho, branco};
    double x = 0;
    if (const auto* d = std::get_if<double>(&v))
        x = *d;
    else if (const auto* i = std::get_if<qint64>(&v))
        x = static_cast<double>(*i);
    else
        return std::nullopt;
    if (x >= 0 && x <= 80) return CoresClasse{vermelho, branco};
    if (x >= 81 && x <= 89) return CoresClasse{amarelo, preto};
    if (x >= 90 && x <= 94) return CoresClasse{cinza, branco};
    if (x >= 95 && x <= 99) return CoresClasse{azul, branco};
    if (x == 100) return CoresClasse{verde, branco};
    return std::nullopt;
}

} // namespace corvel

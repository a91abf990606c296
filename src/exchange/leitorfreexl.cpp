// Legacy .xls cells through freexl. The library opens a file by a narrow name, which on Windows is
// taken in the system's code page, so a folder such as "Estações" would not open: it gets a copy
// of the workbook under a plain name, in a folder made current through Qt's wide-character calls.
#include "leitorfreexl.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QDir>
#include <QFile>

namespace corvel {

namespace {

std::optional<QString> naoVazio(QString s) {
    if (s.isEmpty()) return std::nullopt;
    return s;
}

} // namespace

LeitorFreexl::LeitorFreexl(const QString& caminho) {
    const QString nome = QStringLiteral("planilha.xls");
    const QString anterior = QDir::currentPath();
    if (!copia_.isValid() || !QFile::copy(caminho, copia_.filePath(nome)) ||
        !QDir::setCurrent(copia_.path()))
        throw ErroArquivo(QStringLiteral("cópia da planilha"));
    const int aberto = freexl_open(nome.toLatin1().constData(), &arquivo_);
    // Back at once: Windows cannot remove a folder that is some process's current one.
    QDir::setCurrent(anterior);
    if (aberto != FREEXL_OK) {
        arquivo_ = nullptr; // the library has already let go of what it held
        throw ErroArquivo(QStringLiteral("planilha ilegível"));
    }
}

LeitorFreexl::~LeitorFreexl() {
    if (arquivo_) freexl_close(arquivo_);
}

std::optional<FreeXL_CellValue> LeitorFreexl::valor(int planilha, int linha, int coluna) const {
    if (planilha < 1 || planilha > 65535 || linha < 1 || coluna < 1 || coluna > 65535 ||
        freexl_select_active_worksheet(arquivo_, static_cast<unsigned short>(planilha - 1)) !=
            FREEXL_OK)
        return std::nullopt;
    FreeXL_CellValue v;
    if (freexl_get_cell_value(arquivo_, static_cast<unsigned>(linha - 1),
                              static_cast<unsigned short>(coluna - 1), &v) != FREEXL_OK)
        return std::nullopt;
    return v;
}

std::optional<double> LeitorFreexl::numero(int planilha, int linha, int coluna) const {
    const auto v = valor(planilha, linha, coluna);
    if (!v) return std::nullopt;
    if (v->type == FREEXL_CELL_INT) return v->value.int_value;
    if (v->type == FREEXL_CELL_DOUBLE) return v->value.double_value;
    return std::nullopt;
}

std::optional<QString> LeitorFreexl::celula(int planilha, int linha, int coluna) const {
    const auto valorLido = valor(planilha, linha, coluna);
    if (!valorLido) return std::nullopt;
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

} // namespace corvel

// Opens a workbook with the reader of its format. The file is read here, through Qt, so its name
// may hold any character on any system; the libraries get its bytes, or a copy under a plain name.
#include "leitorplanilha.h"

#include "core/erros.h"
#include "leitorfreexl.h"
#include "leitororcus.h"
#include "pacotexlsx.h"
#include "pacotezip.h"

#include <QFile>
#include <QFileInfo>

namespace corvel {

std::unique_ptr<LeitorPlanilha> abrirLeitorPlanilha(const QString& caminho, bool depurar) {
    QFile f(caminho);
    if (!QFileInfo(caminho).isFile() || !f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("arquivo ausente"));
    if (f.size() > kTamanhoMaximoPlanilha)
        throw ErroArquivo(QStringLiteral("planilha grande demais"));
    if (caminho.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return std::make_unique<LeitorFreexl>(caminho);

    QByteArray pacote = f.readAll();
    f.close();
    const bool ods = caminho.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive);
    {
        auto membros = membrosZip(pacote);
        if (!membros)
            throw ErroArquivo(QStringLiteral("zip danificado"));
        if (!ods && normalizarXlsx(*membros))
            pacote = montarZip(*membros);
    }
    return std::make_unique<LeitorOrcus>(pacote, ods, depurar);
}

} // namespace corvel

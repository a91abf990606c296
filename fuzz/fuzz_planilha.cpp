// Feeds arbitrary bytes to the workbook cell reader as an .xlsx, .ods or .xls file (chosen by the
// first byte): opening and reading must fail cleanly, never crash.
#include "exchange/importaexcel.h"

#include <QDir>
#include <QFile>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0)
        return 0;
    static const char* const extensoes[] = {".xlsx", ".ods", ".xls"};
    const QString caminho = QDir::temp().filePath(QStringLiteral("corvel-fuzz-planilha%1")
                                                      .arg(QString::fromLatin1(extensoes[dados[0] % 3])));
    {
        QFile f(caminho);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(dados) + 1, static_cast<qint64>(tamanho) - 1);
    }
    corvel::TImportaExcel leitor;
    if (leitor.abrir(caminho))
        for (int l = 1; l <= 3; ++l)
            for (int c = 1; c <= 3; ++c) {
                (void)leitor.lerCelula(1, l, c);
                (void)leitor.lerNumero(1, l, c);
                (void)leitor.lerEstilo(1, l, c);
            }
    QFile::remove(caminho);
    return 0;
}

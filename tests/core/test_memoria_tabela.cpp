// A snapshot file that declares many rows of null cells must not make the reader allocate far more
// than the file holds. This program counts every operator new, so it runs apart from the others.
#include "core/arquivotabela.h"
#include "core/erros.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<std::size_t> emUso{0};
std::atomic<std::size_t> pico{0};
} // namespace

// Each block carries its size in front, so delete knows how much is released.
void* operator new(std::size_t n) {
    auto* p = static_cast<std::size_t*>(std::malloc(n + sizeof(std::max_align_t)));
    if (!p)
        throw std::bad_alloc();
    *p = n;
    const std::size_t agora = emUso += n;
    for (std::size_t m = pico; agora > m && !pico.compare_exchange_weak(m, agora);) {
    }
    return reinterpret_cast<char*>(p) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
    if (!p)
        return;
    auto* bloco = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    emUso -= *bloco;
    std::free(bloco);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

using namespace corvel;

namespace {

void le(QByteArray& b, quint64 v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

// A file with `campos` 2-byte integer fields and `linhas` rows in which every cell is null.
QByteArray arquivoDeNulos(int campos, quint32 linhas) {
    QByteArray b("CORVELTB", 8);
    le(b, 1, 2); // version
    le(b, static_cast<quint64>(campos), 2);
    for (int c = 0; c < campos; ++c) {
        const QByteArray nome = QByteArray("C") + QByteArray::number(c);
        le(b, 1, 1); // integer
        le(b, 2, 4); // two bytes
        le(b, static_cast<quint64>(nome.size()), 2);
        b.append(nome);
    }
    le(b, linhas, 4);
    QByteArray mapa((campos + 7) / 8, '\0');
    for (int c = 0; c < campos; ++c)
        mapa[c / 8] = static_cast<char>(mapa[c / 8] | (1 << (c % 8)));
    for (quint32 l = 0; l < linhas; ++l)
        b.append(mapa);
    le(b, crc32(b.constData(), b.size()), 4);
    return b;
}

std::size_t picoAoDecodificar(const QByteArray& arquivo, bool& recusado) {
    pico = emUso.load();
    const std::size_t antes = emUso;
    recusado = false;
    try {
        (void)decodificarTabela(arquivo, QStringLiteral("nulos.cvl"));
    } catch (const ErroArquivo&) {
        recusado = true;
    }
    return pico - antes;
}

TEST(MemoriaTabela, ArquivoDeUmMegabyteDeNulosNaoPedeCentenasDeMegabytes) {
    // 1 024 fields (a 128-byte null bitmap a row) and 8 192 rows: 1 MiB that used to take
    // 8 192 × 1 024 cells in memory (over 256 MiB).
    const QByteArray arquivo = arquivoDeNulos(1024, 8192);
    ASSERT_GT(arquivo.size(), 1024 * 1024);
    bool recusado = false;
    const std::size_t usado = picoAoDecodificar(arquivo, recusado);
    EXPECT_TRUE(recusado);
    EXPECT_LT(usado, std::size_t{32} * 1024 * 1024) << usado << " bytes";
}

TEST(MemoriaTabela, TabelasComMuitosNulosDoTamanhoDeUmProjetoSaoLidas) {
    // A century of months with every field null stays well inside the allowance.
    const QByteArray arquivo = arquivoDeNulos(40, 1200);
    bool recusado = true;
    const std::size_t usado = picoAoDecodificar(arquivo, recusado);
    EXPECT_FALSE(recusado);
    EXPECT_LT(usado, std::size_t{16} * 1024 * 1024);
}

} // namespace

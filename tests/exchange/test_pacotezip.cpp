// Workbook archives: every member inflated and checked against its CRC-32 and size, damaged ones
// refused whole, and the archive written back for the library byte for byte.
#include "exchange/pacotezip.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kGrade = QStringLiteral(CORVEL_TEST_DATA "/planilhas/grade.ods");

void poe32(QByteArray& b, qsizetype i, quint32 v) {
    for (int k = 0; k < 4; ++k)
        b[i + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}
quint32 le32(const QByteArray& b, qsizetype i) {
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<quint8>(b[i + k]);
    return v;
}

// Where a member's local header and directory entry start: its name follows each of them.
struct Posicoes {
    qsizetype local, diretorio;
};
Posicoes posicoes(const QByteArray& zip, const QByteArray& nome) {
    const qsizetype primeiro = zip.indexOf(nome);
    return {primeiro - 30, zip.indexOf(nome, primeiro + 1) - 46};
}

TEST(PacoteZip, MembrosDeUmOdsEscritoPorOutroPrograma) {
    const auto membros = membrosZip(conteudo(kGrade));
    ASSERT_TRUE(membros);
    ASSERT_EQ(membros->size(), 3u);
    EXPECT_EQ((*membros)[0].nome, QByteArray("mimetype"));
    EXPECT_EQ((*membros)[0].dados, QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    EXPECT_EQ((*membros)[1].nome, QByteArray("content.xml"));
    EXPECT_TRUE((*membros)[1].dados.contains("<table:table table:name=\"Grade\">"));
    EXPECT_TRUE((*membros)[1].dados.endsWith("</office:document-content>"));
    EXPECT_EQ((*membros)[2].nome, QByteArray("META-INF/manifest.xml"));
}

// Each case damages one member of the archive in one way; every one is refused whole.
TEST(PacoteZip, MembroDanificadoRecusaOArquivo) {
    const QByteArray original = conteudo(kGrade);
    const Posicoes c = posicoes(original, "content.xml");
    const qsizetype dados = c.local + 30 + 11;
    const quint32 compactado = le32(original, c.local + 18);
    ASSERT_GT(compactado, 300u);
    const std::pair<const char*, std::function<void(QByteArray&)>> casos[] = {
        {"byte trocado no início do fluxo",
         [&](QByteArray& b) { b[dados + 2] = static_cast<char>(b[dados + 2] ^ 0x55); }},
        {"byte trocado no meio do fluxo",
         [&](QByteArray& b) { b[dados + 150] = static_cast<char>(b[dados + 150] ^ 0x55); }},
        {"byte trocado no fim do fluxo",
         [&](QByteArray& b) {
             b[dados + compactado - 3] = static_cast<char>(b[dados + compactado - 3] ^ 0x01);
         }},
        {"fluxo interrompido",
         [&](QByteArray& b) {
             poe32(b, c.local + 18, compactado - 40);
             poe32(b, c.diretorio + 20, compactado - 40);
         }},
        {"tamanho declarado maior",
         [&](QByteArray& b) {
             poe32(b, c.local + 22, le32(b, c.local + 22) + 1);
             poe32(b, c.diretorio + 24, le32(b, c.diretorio + 24) + 1);
         }},
        {"soma de verificação antiga",
         [&](QByteArray& b) {
             poe32(b, c.local + 14, le32(b, c.local + 14) ^ 1);
             poe32(b, c.diretorio + 16, le32(b, c.diretorio + 16) ^ 1);
         }},
        {"cabeçalho local diverge do diretório",
         [&](QByteArray& b) { poe32(b, c.diretorio + 16, le32(b, c.diretorio + 16) ^ 1); }},
        {"método desconhecido",
         [&](QByteArray& b) {
             b[c.local + 8] = 12;
             b[c.diretorio + 10] = 12;
         }},
        {"membro cifrado",
         [&](QByteArray& b) {
             b[c.local + 6] = static_cast<char>(b[c.local + 6] | 1);
             b[c.diretorio + 8] = static_cast<char>(b[c.diretorio + 8] | 1);
         }},
    };
    ASSERT_TRUE(membrosZip(original));
    for (const auto& [nome, danificar] : casos) {
        QByteArray b = original;
        danificar(b);
        EXPECT_FALSE(membrosZip(b)) << nome;
    }
}

// An uncompressed workbook edited in place keeps its old checksum: 126.99 became 926.99.
TEST(PacoteZip, ValorEditadoComSomaAntigaERecusado) {
    const QByteArray original =
        conteudo(QStringLiteral(CORVEL_TEST_DATA "/planilhas/sem_compressao.xlsx"));
    ASSERT_EQ(original.count("126.99"), 1);
    ASSERT_TRUE(membrosZip(original));
    QByteArray editado = original;
    editado.replace("126.99", "926.99");
    EXPECT_FALSE(membrosZip(editado));
}

// The CRC-32 of "123456789" is the algorithm's published check value, CBF43926.
TEST(PacoteZip, ArquivoMontadoByteAByte) {
    // One header field a piece: local header and data, directory entry, end of directory.
    // clang-format off
    const QByteArray esperado = QByteArray::fromHex(
        "504b0304" "1400" "0000" "0000" "00000000" "2639f4cb" "09000000" "09000000" "0100" "0000" "61"
        "313233343536373839"
        "504b0102" "1400" "1400" "0000" "0000" "00000000" "2639f4cb" "09000000" "09000000" "0100" "0000"
        "0000" "0000" "0000" "00000000" "00000000" "61"
        "504b0506" "0000" "0000" "0100" "0100" "2f000000" "28000000" "0000");
    // clang-format on
    EXPECT_EQ(montarZip({{"a", "123456789"}}), esperado);
    const auto relidos = membrosZip(esperado);
    ASSERT_TRUE(relidos);
    ASSERT_EQ(relidos->size(), 1u);
    EXPECT_EQ(relidos->front().nome, QByteArray("a"));
    EXPECT_EQ(relidos->front().dados, QByteArray("123456789"));
    EXPECT_EQ(montarZip({}), QByteArray::fromHex("504b0506000000000000000000000000000000000000"));
    EXPECT_TRUE(membrosZip(montarZip({})).value().empty());
}

TEST(PacoteZip, NadaQueSejaZip) {
    const QByteArray casos[] = {QByteArray(), QByteArray("PK"), QByteArray(100, '\0'),
                                QByteArray("PK\x05\x06", 4) + QByteArray(10, '\xff')};
    for (const QByteArray& b : casos) {
        EXPECT_FALSE(zipPlausivel(b));
        EXPECT_FALSE(membrosZip(b));
    }
}

} // namespace

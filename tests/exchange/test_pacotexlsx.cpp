// The rewriting of .xlsx parts before the spreadsheet library reads them: absolute relationship
// targets made relative, inline texts moved into the shared-string table, everything else kept.
#include "core/erros.h"
#include "exchange/pacotexlsx.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

const QByteArray kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const QByteArray kPacote = "http://schemas.openxmlformats.org/package/2006/relationships";

QByteArray relacoes(const QByteArray& itens) {
    return "<Relationships xmlns=\"" + kPacote + "\">" + itens + "</Relationships>";
}

const QByteArray* membro(const std::vector<MembroZip>& membros, const char* nome) {
    for (const MembroZip& m : membros)
        if (m.nome == nome) return &m.dados;
    return nullptr;
}

// Parts without an XML declaration, a sheet with a prefixed namespace, no shared-string table.
// A rewritten part ends in a line break.
TEST(PacoteXlsx, AlvosAbsolutosETextosSemTabela) {
    std::vector<MembroZip> membros = {
        {"_rels/.rels", relacoes("<Relationship Id=\"rId1\" Type=\"" + kRel +
                                 "officeDocument\" Target=\"/xl/workbook.xml\"/>")},
        {"xl/workbook.xml", "<workbook/>"},
        {"xl/_rels/workbook.xml.rels",
         relacoes("<Relationship Id=\"rId1\" Type=\"" + kRel +
                  "worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/>"
                  "<Relationship Id=\"rId2\" Type=\"" +
                  kRel +
                  "extendedProperties\" Target=\"/docProps/app.xml\"/>"
                  "<Relationship Id=\"rId3\" Type=\"" +
                  kRel + "hyperlink\" Target=\"/x\" TargetMode=\"External\"/>")},
        {"xl/worksheets/sheet1.xml",
         "<x:worksheet "
         "xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
         "<x:row r=\"1\"><x:c r=\"A1\" t=\"inlineStr\" "
         "s=\"2\"><x:is><x:t>Mar&amp;ço</x:t></x:is></x:c>"
         "<x:c r=\"B1\"><x:v>1.5</x:v></x:c>"
         "<x:c r=\"C1\" t=\"inlineStr\"><x:is><x:r><x:t>a </x:t></x:r><x:r><x:t>b</x:t></x:r>"
         "<x:rPh sb=\"0\" eb=\"1\"><x:t>fonética</x:t></x:rPh></x:is></x:c>"
         "<x:c r=\"D1\" t=\"inlineStr\"/></x:row></x:sheetData></x:worksheet>"},
    };
    ASSERT_TRUE(normalizarXlsx(membros));
    ASSERT_EQ(membros.size(), 5u);
    EXPECT_EQ(*membro(membros, "_rels/.rels"),
              relacoes("<Relationship Id=\"rId1\" Type=\"" + kRel +
                       "officeDocument\" Target=\"xl/workbook.xml\"/>") +
                  "\n");
    EXPECT_EQ(*membro(membros, "xl/_rels/workbook.xml.rels"),
              relacoes("<Relationship Id=\"rId1\" Type=\"" + kRel +
                       "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                       "<Relationship Id=\"rId2\" Type=\"" +
                       kRel +
                       "extendedProperties\" Target=\"../docProps/app.xml\"/>"
                       "<Relationship Id=\"rId3\" Type=\"" +
                       kRel +
                       "hyperlink\" Target=\"/x\" TargetMode=\"External\"/>"
                       "<Relationship Id=\"rIdCorvelTextos\" Type=\"" +
                       kRel + "sharedStrings\" Target=\"sharedStrings.xml\"/>") +
                  "\n");
    EXPECT_EQ(*membro(membros, "xl/worksheets/sheet1.xml"),
              "<x:worksheet "
              "xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
              "<x:row r=\"1\"><x:c r=\"A1\" t=\"s\" s=\"2\"><x:v>0</x:v></x:c>"
              "<x:c r=\"B1\"><x:v>1.5</x:v></x:c>"
              "<x:c r=\"C1\" t=\"s\"><x:v>1</x:v></x:c>"
              "<x:c r=\"D1\" t=\"s\"/></x:row></x:sheetData></x:worksheet>\n");
    EXPECT_EQ(*membro(membros, "xl/sharedStrings.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
              "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
              "count=\"2\" uniqueCount=\"2\">"
              "<si><t xml:space=\"preserve\">Mar&amp;ço</t></si><si><t xml:space=\"preserve\">a "
              "b</t></si></sst>\n");
    EXPECT_EQ(*membro(membros, "xl/workbook.xml"), "<workbook/>");
}

// Texts join the end of an existing table, numbered after it, its counts grown to match.
TEST(PacoteXlsx, TextosAoFimDaTabelaExistente) {
    const QByteArray tabela =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<sst xmlns=\"urn:m\" count=\"3\" uniqueCount=\"2\"><si><t>um</t></si>"
        "<si><r><t>do</t></r><r><t>is</t></r></si></sst>";
    std::vector<MembroZip> membros = {
        {"_rels/.rels", relacoes("<Relationship Id=\"r\" Type=\"" + kRel +
                                 "officeDocument\" Target=\"xl/workbook.xml\"/>")},
        {"xl/_rels/workbook.xml.rels",
         relacoes("<Relationship Id=\"a\" Type=\"" + kRel +
                  "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                  "<Relationship Id=\"b\" Type=\"" +
                  kRel + "sharedStrings\" Target=\"sharedStrings.xml\"/>")},
        {"xl/sharedStrings.xml", tabela},
        {"xl/worksheets/sheet1.xml",
         "<worksheet xmlns=\"urn:m\"><sheetData><row><c t=\"s\"><v>1</v></c><c "
         "t=\"inlineStr\"><is><t>três</t></is></c>"
         "</row></sheetData></worksheet>"},
    };
    const QByteArray relsAntes = membros[1].dados;
    ASSERT_TRUE(normalizarXlsx(membros));
    ASSERT_EQ(membros.size(), 4u);
    EXPECT_EQ(membros[1].dados, relsAntes);
    EXPECT_EQ(membros[2].dados,
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
              "<sst xmlns=\"urn:m\" count=\"4\" uniqueCount=\"3\"><si><t>um</t></si>"
              "<si><r><t>do</t></r><r><t>is</t></r></si>"
              "<si><t xml:space=\"preserve\">três</t></si></sst>\n");
    EXPECT_EQ(membros[3].dados, "<worksheet xmlns=\"urn:m\"><sheetData><row><c t=\"s\"><v>1</v></c>"
                                "<c t=\"s\"><v>2</v></c></row></sheetData></worksheet>\n");
}

// A package the library already follows is left byte for byte; a part it must rewrite that is
// not XML makes the workbook refused.
TEST(PacoteXlsx, NadaAMudarOuXmlDanificado) {
    const std::vector<MembroZip> comum = {
        {"_rels/.rels", relacoes("<Relationship Id=\"r\" Type=\"" + kRel +
                                 "officeDocument\" Target=\"xl/workbook.xml\"/>")},
        {"xl/_rels/workbook.xml.rels", relacoes("<Relationship Id=\"a\" Type=\"" + kRel +
                                                "worksheet\" Target=\"worksheets/sheet1.xml\"/>")},
        {"xl/worksheets/sheet1.xml",
         "<worksheet><sheetData><row><c><v>1</v></c></row></sheetData></worksheet>"},
    };
    std::vector<MembroZip> membros = comum;
    EXPECT_FALSE(normalizarXlsx(membros));
    for (std::size_t i = 0; i < comum.size(); ++i)
        EXPECT_EQ(membros[i].dados, comum[i].dados);

    const QByteArray danificadas[] = {
        "<worksheet><c t=\"inlineStr\"><is><t>a</t></is></worksheet>",
        "<worksheet><c t=\"inlineStr\"><is><t>a</t></is></c>",
        "<!DOCTYPE worksheet [<!ENTITY e \"x\">]><worksheet><c "
        "t=\"inlineStr\"><is><t>&e;</t></is></c></worksheet>",
    };
    for (const QByteArray& folha : danificadas) {
        std::vector<MembroZip> m = comum;
        m[2].dados = folha;
        EXPECT_THROW(normalizarXlsx(m), ErroArquivo) << folha.toStdString();
    }
}

} // namespace

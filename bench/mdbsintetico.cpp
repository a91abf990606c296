// Synthetic agency databases: the model's table definition, usage map page and first data page
// give the layout; new data pages of copies of the model's first row, with the fields rewritten,
// are appended and become the table's only pages.
#include "mdbsintetico.h"

#include <mdbtools.h>

#include <QDate>
#include <QFile>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace corvel::bench {

namespace {

constexpr int kPagina = 4096;       // Jet 4
constexpr int kContagemLinhas = 12; // row count of a data page
constexpr int kInicioDoMapa = 4;    // bitmap of a usage map page

void gravar16(QByteArray& b, qsizetype em, std::uint16_t v) {
    b[em] = static_cast<char>(v & 0xFF);
    b[em + 1] = static_cast<char>(v >> 8);
}
void gravar32(QByteArray& b, qsizetype em, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[em + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void gravar64(QByteArray& b, qsizetype em, double d) {
    std::uint64_t v;
    std::memcpy(&v, &d, 8);
    for (int i = 0; i < 8; ++i)
        b[em + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct Coluna {
    int deslocamento; // in the row, after the column count
    int numero;       // bit of the null mask
    int tipo;
};

} // namespace

bool gerarBancoSintetico(const QString& modelo, const QString& destino, int estacoes, int anos) {
    MdbHandle* mdb = mdb_open(modelo.toLocal8Bit().constData(), MDB_NOFLAGS);
    if (!mdb) return false;
    std::map<std::string, Coluna> colunas;
    unsigned long paginaTabela = 0, paginaMapa = 0, paginaDados = 0;
    int numeroColunas = 0;
    if (mdb_read_catalog(mdb, MDB_TABLE)) {
        MdbCatalogEntry* e = mdb_get_catalogentry_by_name(mdb, "Vazoes");
        MdbTableDef* t = e ? mdb_read_table(e) : nullptr;
        if (t && mdb_read_columns(t) && t->usage_map && t->map_sz >= 5 && t->usage_map[0] == 1) {
            paginaTabela = e->table_pg;
            paginaMapa = static_cast<unsigned long>(mdb_get_int32(t->usage_map, 1));
            numeroColunas = static_cast<int>(t->num_cols);
            for (unsigned i = 0; i < t->num_cols; ++i) {
                auto* c = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
                colunas[c->name] = {c->fixed_offset, c->row_col_num, c->col_type};
            }
            mdb_rewind_table(t);
            if (mdb_fetch_row(t)) paginaDados = t->cur_phys_pg;
        }
        if (t) mdb_free_tabledef(t);
    }
    mdb_close(mdb);
    if (!paginaDados || !paginaMapa || colunas.size() != 79) return false;

    QFile f(modelo);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray banco = f.readAll();
    const QByteArray cabecalho = banco.mid(paginaDados * kPagina, 14);
    // Row 0 ends at the page's end; the next row's start bounds it.
    const int inicioLinha0 =
        static_cast<unsigned char>(banco[paginaDados * kPagina + 14]) |
        ((static_cast<unsigned char>(banco[paginaDados * kPagina + 15]) & 0x1F) << 8);
    const QByteArray modeloLinha =
        banco.mid(paginaDados * kPagina + inicioLinha0, kPagina - inicioLinha0);
    const int tamanhoLinha = static_cast<int>(modeloLinha.size());
    const int mascara = tamanhoLinha - (numeroColunas + 7) / 8; // the null mask ends the row
    const int porPagina = (kPagina - 14) / (tamanhoLinha + 2);

    const auto campo = [&](const char* nome) { return 2 + colunas[nome].deslocamento; };
    const auto definirNulo = [&](QByteArray& l, const std::string& nome, bool nulo) {
        const int bit = colunas[nome].numero;
        char& byte = l[mascara + bit / 8];
        byte = static_cast<char>(nulo ? (byte & ~(1 << (bit % 8))) : (byte | (1 << (bit % 8))));
    };

    // Rows, station after station, raw then consisted.
    std::vector<QByteArray> linhas;
    const bool idInteiro = colunas["RegistroID"].tipo == MDB_LONGINT;
    for (int s = 0; s < estacoes; ++s)
        for (int nivel = 1; nivel <= 2; ++nivel)
            for (QDate m(1924, 1, 1); m.year() < 1924 + anos; m = m.addMonths(1)) {
                QByteArray l = modeloLinha;
                const double id = static_cast<double>(linhas.size() + 1);
                if (idInteiro)
                    gravar32(l, campo("RegistroID"), static_cast<std::uint32_t>(id));
                else
                    gravar64(l, campo("RegistroID"), id);
                gravar32(l, campo("EstacaoCodigo"), static_cast<std::uint32_t>(10000001 + s));
                gravar16(l, campo("NivelConsistencia"), static_cast<std::uint16_t>(nivel));
                gravar64(l, campo("Data"), static_cast<double>(QDate(1899, 12, 30).daysTo(m)));
                for (int d = 1; d <= 31; ++d) {
                    char nome[16];
                    std::snprintf(nome, sizeof nome, "Vazao%02d", d);
                    const bool nulo = d > m.daysInMonth() || (d + m.month() + s) % 29 == 0;
                    definirNulo(l, nome, nulo);
                    gravar64(l, campo(nome),
                             nulo ? 0
                                  : std::round((40 + 25 * std::sin(d * 0.2 + m.month())) * 100) /
                                        100);
                }
                linhas.push_back(l);
            }

    // The table's old data pages leave the usage map; the new ones, appended, enter it.
    const qsizetype inicioMapa = static_cast<qsizetype>(paginaMapa) * kPagina + kInicioDoMapa;
    for (qsizetype i = inicioMapa; i < static_cast<qsizetype>(paginaMapa + 1) * kPagina; ++i)
        banco[i] = 0;
    std::size_t proxima = 0;
    while (proxima < linhas.size()) {
        const qsizetype numeroPagina = banco.size() / kPagina;
        if (numeroPagina >= (kPagina - kInicioDoMapa) * 8) return false; // beyond one map page
        QByteArray pagina(kPagina, '\0');
        pagina.replace(0, 14, cabecalho);
        int n = 0;
        for (; n < porPagina && proxima < linhas.size(); ++n, ++proxima) {
            const int inicio = kPagina - (n + 1) * tamanhoLinha;
            pagina.replace(inicio, tamanhoLinha, linhas[proxima]);
            gravar16(pagina, 14 + 2 * n, static_cast<std::uint16_t>(inicio));
        }
        gravar16(pagina, kContagemLinhas, static_cast<std::uint16_t>(n));
        gravar16(pagina, 2, static_cast<std::uint16_t>(kPagina - 14 - n * (tamanhoLinha + 2)));
        banco += pagina;
        banco[inicioMapa + numeroPagina / 8] =
            static_cast<char>(banco[inicioMapa + numeroPagina / 8] | (1 << (numeroPagina % 8)));
    }
    // Row count of the table definition (Jet 4: offset 16).
    gravar32(banco, static_cast<qsizetype>(paginaTabela) * kPagina + 16,
             static_cast<std::uint32_t>(linhas.size()));

    QFile saida(destino);
    return saida.open(QIODevice::WriteOnly) && saida.write(banco) == banco.size();
}

} // namespace corvel::bench

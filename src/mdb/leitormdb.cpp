// Reading through libmdb without its text conversions: numbers are taken from the row's bytes, so
// nothing depends on the C library's locale, and every scan is checked against the table's row
// count, since libmdb ends a scan early, without an error, on a truncated file.
#include "leitormdb.h"

#include <mdbtools.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace corvel::mdb {

namespace {

MdbHandle* handle(void* p) {
    return static_cast<MdbHandle*>(p);
}

struct LiberaTabela {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using Tabela = std::unique_ptr<MdbTableDef, LiberaTabela>;

TipoCampo tipoDe(int tipo) {
    switch (tipo) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return TipoCampo::Inteiro;
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return TipoCampo::Real;
    case MDB_DATETIME:
        return TipoCampo::Data;
    case MDB_TEXT:
    case MDB_MEMO:
        return TipoCampo::Texto;
    default:
        return TipoCampo::Outro;
    }
}

int tamanhoDe(int tipo) {
    switch (tipo) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
    case MDB_FLOAT:
        return 4;
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return 8;
    default:
        return 0;
    }
}

std::uint64_t littleEndian(const unsigned char* p, int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    return v;
}

MdbCatalogEntry* entradaDaTabela(MdbHandle* mdb, const std::string& nome) {
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (e->object_type == MDB_TABLE && mdb_is_user_table(e) && nome == e->object_name) return e;
    }
    return nullptr;
}

Tabela abrirTabela(MdbHandle* mdb, const std::string& nome) {
    MdbCatalogEntry* e = entradaDaTabela(mdb, nome);
    if (!e) return nullptr;
    Tabela t(mdb_read_table(e));
    if (!t || !mdb_read_columns(t.get())) return nullptr;
    return t;
}

MdbColumn* coluna(MdbTableDef* t, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
}

MdbColumn* colunaPorNome(MdbTableDef* t, const std::string& nome) {
    for (unsigned i = 0; i < t->num_cols; ++i)
        if (nome == coluna(t, i)->name) return coluna(t, i);
    return nullptr;
}

// Only columns whose value is a number or a date can be read here.
bool legivel(const MdbColumn* c) {
    return tamanhoDe(c->col_type) > 0;
}

// The value of a column in the row just fetched: empty for null. False when the row's bytes do
// not hold the value the column's type needs.
bool valor(MdbHandle* mdb, const MdbColumn* c, std::string& texto) {
    texto.clear();
    if (c->cur_value_len == 0) return true;
    const int n = tamanhoDe(c->col_type);
    if (c->cur_value_len != n || c->cur_value_start < 0 ||
        static_cast<std::size_t>(c->cur_value_start) + static_cast<std::size_t>(n) >
            sizeof mdb->pg_buf)
        return false;
    const std::uint64_t bits = littleEndian(mdb->pg_buf + c->cur_value_start, n);
    switch (c->col_type) {
    case MDB_BYTE:
        texto = textoNumero(static_cast<long long>(bits));
        break;
    case MDB_INT:
        texto = textoNumero(static_cast<long long>(static_cast<std::int16_t>(bits)));
        break;
    case MDB_LONGINT:
        texto = textoNumero(static_cast<long long>(static_cast<std::int32_t>(bits)));
        break;
    case MDB_FLOAT:
        texto = textoNumero(
            static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits))));
        break;
    default:
        texto = textoNumero(std::bit_cast<double>(bits));
        break;
    }
    return true;
}

// Visits every row; false when a value cannot be read or the scan ends short of the row count.
template <typename Visita> bool percorrer(MdbTableDef* t, Visita&& visita) {
    mdb_rewind_table(t);
    unsigned lidas = 0;
    while (mdb_fetch_row(t)) {
        ++lidas;
        if (!visita()) return false;
    }
    return lidas == t->num_rows;
}

} // namespace

bool LeitorMdb::abrir(const char* caminho) {
    MdbHandle* mdb = mdb_open(caminho, MDB_NOFLAGS);
    if (!mdb) return false;
    mdb_ = mdb;
    // A database is made of whole pages. libmdb reads the part of a cut last page over what its
    // buffer held before, which gives rows of made-up values; a whole page missing is caught by
    // the row counts.
    std::error_code erro;
    const auto tamanho = std::filesystem::file_size(caminho, erro);
    if (erro || mdb->fmt->pg_size <= 0 || tamanho % static_cast<std::uintmax_t>(mdb->fmt->pg_size))
        return false;
    return mdb_read_catalog(mdb, MDB_TABLE) != nullptr;
}

LeitorMdb::~LeitorMdb() {
    if (mdb_) mdb_close(handle(mdb_));
}

std::vector<std::string> LeitorMdb::tabelas() const {
    std::vector<std::string> nomes;
    MdbHandle* mdb = handle(mdb_);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (e->object_type == MDB_TABLE && mdb_is_user_table(e)) nomes.emplace_back(e->object_name);
    }
    return nomes;
}

bool LeitorMdb::campos(const std::string& tabela, std::vector<Campo>& campos) const {
    const Tabela t = abrirTabela(handle(mdb_), tabela);
    if (!t) return false;
    campos.clear();
    for (unsigned i = 0; i < t->num_cols; ++i)
        campos.push_back({coluna(t.get(), i)->name, tipoDe(coluna(t.get(), i)->col_type)});
    return true;
}

bool LeitorMdb::distintos(const std::string& tabela, const std::string& campo,
                          std::vector<std::string>& valores) const {
    MdbHandle* mdb = handle(mdb_);
    const Tabela t = abrirTabela(mdb, tabela);
    if (!t) return false;
    const MdbColumn* c = colunaPorNome(t.get(), campo);
    if (!c || !legivel(c)) return false;
    valores.clear();
    Posicoes posicoes;
    std::string v;
    const bool inteira = percorrer(t.get(), [&] {
        if (!valor(mdb, c, v)) return false;
        if (v.empty()) return true;
        auto& lista = posicoes[v];
        if (lista.empty()) valores.push_back(v);
        // mdb_fetch_row has moved past the row it read.
        lista.emplace_back(t->cur_phys_pg, t->cur_row - 1);
        return true;
    });
    if (inteira) posicoes_[{tabela, campo}] = std::move(posicoes);
    return inteira;
}

bool LeitorMdb::linhas(const std::string& tabela, const std::string& filtro,
                       const std::string& valorFiltro, const std::vector<std::string>& pedidos,
                       const std::function<void(const std::vector<std::string>&)>& linha) const {
    MdbHandle* mdb = handle(mdb_);
    const Tabela t = abrirTabela(mdb, tabela);
    if (!t) return false;
    const MdbColumn* cf = colunaPorNome(t.get(), filtro);
    if (!cf || !legivel(cf)) return false;
    std::vector<const MdbColumn*> colunas;
    for (const std::string& nome : pedidos) {
        const MdbColumn* c = colunaPorNome(t.get(), nome);
        if (!c || !legivel(c)) return false;
        colunas.push_back(c);
    }
    std::string v;
    std::vector<std::string> valores(colunas.size());
    const auto visita = [&] {
        if (!valor(mdb, cf, v)) return false;
        if (v != valorFiltro) return true;
        for (std::size_t i = 0; i < colunas.size(); ++i)
            if (!valor(mdb, colunas[i], valores[i])) return false;
        linha(valores);
        return true;
    };
    // After the distinct values of the same field, only the value's own rows are read: a file of
    // many stations is then scanned once.
    const auto conhecidas = posicoes_.find({tabela, filtro});
    if (conhecidas == posicoes_.end()) return percorrer(t.get(), visita);
    const auto lista = conhecidas->second.find(valorFiltro);
    if (lista == conhecidas->second.end()) return true;
    long paginaLida = -1;
    for (const auto& [pagina, linhaNaPagina] : lista->second) {
        if (pagina != paginaLida) {
            if (mdb_read_pg(mdb, pagina) != mdb->fmt->pg_size) return false;
            paginaLida = pagina;
        }
        if (!mdb_read_row(t.get(), linhaNaPagina) || !visita()) return false;
    }
    return true;
}

} // namespace corvel::mdb

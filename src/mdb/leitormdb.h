// One Access database opened read-only through libmdb: its user tables, their fields, the distinct
// values of a field and the rows whose field has a given value. Values leave as protocol texts.
#pragma once

#include "exchange/protocolomdb.h"

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvel::mdb {

struct Campo {
    std::string nome;
    TipoCampo tipo;
};

class LeitorMdb {
  public:
    // False when the file cannot be opened or its catalogue cannot be read.
    bool abrir(const char* caminho);
    ~LeitorMdb();

    std::vector<std::string> tabelas() const;
    // False when the table does not exist or its definition cannot be read.
    bool campos(const std::string& tabela, std::vector<Campo>& campos) const;
    // The distinct non-null values of a number or date field, in table order. False on any
    // failure, including a scan that ended before the table's row count. Where each value's rows
    // lie is kept, so that asking for the rows of one value later reads only those.
    bool distintos(const std::string& tabela, const std::string& campo,
                   std::vector<std::string>& valores) const;
    // Every row whose `filtro` has the text `valor`, with the fields asked, handed to `linha` one
    // by one. False on any failure, including a scan that ended before the table's row count.
    bool linhas(const std::string& tabela, const std::string& filtro, const std::string& valor,
                const std::vector<std::string>& pedidos,
                const std::function<void(const std::vector<std::string>&)>& linha) const;

  private:
    // Page and row of the rows of each value of a field, by table and field.
    using Posicoes = std::unordered_map<std::string, std::vector<std::pair<unsigned, unsigned>>>;

    void* mdb_ = nullptr; // MdbHandle*
    mutable std::map<std::pair<std::string, std::string>, Posicoes> posicoes_;
};

} // namespace corvel::mdb

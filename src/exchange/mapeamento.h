// Declarative mappings from an XML answer to a table: the transformation files (".xtr") shipped
// beside the program say which element is a row, which child element or attribute of the row fills
// which field, and of which type. A service that renames its elements needs a new file, not a new
// program. The format is described in the README.
#pragma once

#include "core/erros.h"
#include "core/tabela.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace corvel {

enum class OrigemCampo {
    Nenhuma,  // always empty: the caller fills the field afterwards
    Elemento, // text of a child element of the row
    Atributo, // an attribute of the row element
};

struct CampoMapeado {
    Campo campo; // field of the resulting table; a date field reads "aaaa-mm-dd..."
    OrigemCampo origem = OrigemCampo::Nenhuma;
    QByteArray nomeOrigem; // local name of the child element or attribute
};

struct Mapeamento {
    QByteArray elementoLinha; // local name of a row element
    // The element a service answers instead of rows when it refuses a request, and its child
    // that holds the reason (empty: the whole text of the element).
    QByteArray elementoRecusa, elementoMotivo;
    char separadorDecimal = '.';
    std::vector<CampoMapeado> campos;

    std::vector<Campo> camposTabela() const;
};

// A name in ASCII lower case, as element and attribute names are compared.
QByteArray nomeEmMinusculas(QByteArrayView nome);

// Reads a transformation file. Throws ErroArquivo naming the file and what is wrong with it.
Mapeamento lerMapeamento(const QString& caminho);
Mapeamento lerMapeamento(QByteArrayView conteudo, const QString& nomeArquivo);

struct ResultadoMapeamento {
    Tabela tabela;
    std::optional<QString> recusa; // the reason the service gave, when it answered a refusal
};

// Names of elements and attributes are compared without their prefix and without regard to ASCII
// case. A field's value is the text of its element (that of nested elements included) or of its
// attribute, trimmed; empty text, or an element or attribute the row lacks, gives an empty value.
// A value that is not of the field's type throws ErroConversao naming the row, field and text; a
// document that is not well-formed XML throws ErroConversao with the parser's words.
ResultadoMapeamento aplicarMapeamento(const Mapeamento& mapeamento, QByteArrayView documento);

} // namespace corvel

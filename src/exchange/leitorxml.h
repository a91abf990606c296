// Reads an XML document as a stream of events. A fast scanner takes the plain documents web
// services write (UTF-8, elements, attributes, text, the five entities and character references);
// anything else (DOCTYPE, CDATA, comments, processing instructions, other encodings) and every
// malformed document go to QXmlStreamReader, which is the reference for both and names the fault.
#pragma once

#include "core/erros.h"

#include <QByteArrayView>
#include <span>

namespace corvel {

struct AtributoXml {
    QByteArrayView nome;  // local name, without prefix
    QByteArrayView valor; // UTF-8, references resolved
};

class ConsumidorXml {
  public:
    virtual ~ConsumidorXml() = default;
    // An element starts: its local name (without prefix) and attributes (namespace declarations
    // left out), UTF-8. The views live until the call returns.
    virtual void inicio(QByteArrayView nome, std::span<const AtributoXml> atributos) = 0;
    // Character data inside the root element, UTF-8, line ends as LF; one run of text may come in
    // several pieces.
    virtual void texto(QByteArrayView utf8) = 0;
    // Whether text at this point matters: when not, the readers check it without handing it over
    // (most text of an answer is the indentation between elements).
    virtual bool querTexto() const { return true; }
    virtual void fim() = 0;
    // The fast scanner gave up midway: forget every event received, the document comes again.
    virtual void recomecar() = 0;
};

// Throws ErroConversao naming the line and the fault when the document is not well-formed XML.
// Whatever the consumer throws goes through.
void lerXml(QByteArrayView documento, ConsumidorXml& consumidor);

// The two readers, for the tests: false when the document is outside what the fast scanner takes
// (the consumer may have received events by then).
bool lerXmlRapido(QByteArrayView documento, ConsumidorXml& consumidor);
void lerXmlQt(QByteArrayView documento, ConsumidorXml& consumidor);

} // namespace corvel

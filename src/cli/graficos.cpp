// Drawing from corvel-cli through the drawing module.
#include "graficos.h"

#include "comandos.h"

#include "core/erros.h"
#include "resumo/modulofichas.h"

#include <QLibrary>
#include <cstring>

namespace corvel::cli {

namespace {

struct Modulo {
    QLibrary biblioteca;
    ficha::CriarAplicacao criar = nullptr;
    ficha::FichaPdf pdf = nullptr;
    ficha::HidrogramaImagem hidrograma = nullptr;
    QString erro;
};

// Loaded once and never unloaded: the application object lives in it.
Modulo& modulo() {
    static Modulo m;
    return m;
}

bool carregar() {
    Modulo& m = modulo();
    if (m.pdf) return true;
    // Beside the program, or in the library folder an installation puts it in.
    abrirModulo(m.biblioteca, ficha::kModulo);
    if (!m.biblioteca.isLoaded()) {
        m.erro = QStringLiteral("o módulo de desenho (%1) não pôde ser carregado: %2")
                     .arg(QString::fromLatin1(ficha::kModulo), m.biblioteca.errorString());
        return false;
    }
    m.criar = reinterpret_cast<ficha::CriarAplicacao>(m.biblioteca.resolve(ficha::kCriarAplicacao));
    m.pdf = reinterpret_cast<ficha::FichaPdf>(m.biblioteca.resolve(ficha::kFichaPdf));
    m.hidrograma =
        reinterpret_cast<ficha::HidrogramaImagem>(m.biblioteca.resolve(ficha::kHidrogramaImagem));
    if (!m.criar || !m.pdf || !m.hidrograma) {
        m.pdf = nullptr;
        m.erro = QStringLiteral("o módulo de desenho (%1) está incompleto")
                     .arg(QString::fromLatin1(ficha::kModulo));
        return false;
    }
    return true;
}

} // namespace

bool pedeGraficos(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "hidrograma") == 0) return true;
    if (argc < 2 || std::strcmp(argv[1], "resumo") != 0) return false;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0) return true;
    return false;
}

std::unique_ptr<QCoreApplication> criarAplicacao(int& argc, char** argv, bool graficos) {
    if (graficos && carregar())
        return std::unique_ptr<QCoreApplication>(modulo().criar(&argc, argv));
    return std::make_unique<QCoreApplication>(argc, argv);
}

QByteArray fichaEmPdf(const FichaReferencia& f) {
    Modulo& m = modulo();
    if (!m.pdf)
        throw Erro(m.erro.isEmpty() ? QStringLiteral("o módulo de desenho não foi carregado")
                                    : m.erro);
    QByteArray pdf;
    QString erro;
    if (!m.pdf(&f, &pdf, &erro)) throw Erro(erro);
    return pdf;
}

void hidrogramaEmImagem(const Hidrograma& h, const QString& arquivo, int largura, int altura) {
    Modulo& m = modulo();
    if (!m.hidrograma)
        throw Erro(m.erro.isEmpty() ? QStringLiteral("o módulo de desenho não foi carregado")
                                    : m.erro);
    QString erro;
    if (!m.hidrograma(&h, &arquivo, largura, altura, &erro)) throw ErroArquivo(erro);
}

} // namespace corvel::cli

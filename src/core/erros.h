// The small set of exceptions the core raises. Each carries the user's message; windows show it in
// a message box of the matching kind and the command-line tool prints it on one line.
#pragma once

#include <QString>
#include <exception>

namespace corvel {

// Kind of message box a failure is shown in.
enum class Gravidade { Erro, Aviso, Informacao };

class Erro : public std::exception {
public:
    explicit Erro(QString mensagem, Gravidade gravidade = Gravidade::Erro)
        : mensagem_(std::move(mensagem)), gravidade_(gravidade), utf8_(mensagem_.toUtf8()) {}

    const QString& mensagem() const noexcept { return mensagem_; }
    Gravidade gravidade() const noexcept { return gravidade_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString mensagem_;
    Gravidade gravidade_;
    QByteArray utf8_;
};

// A file could not be read, written or understood.
class ErroArquivo : public Erro {
public:
    using Erro::Erro;
};

// A text is not the number or date it should be.
class ErroConversao : public Erro {
public:
    using Erro::Erro;
};

// A failure whose message is the user's and whose cause (what went wrong, and where) is told only
// where no window shows the message: on the command line, in a download log.
class ErroComCausa : public Erro {
public:
    ErroComCausa(QString mensagem, QString causa)
        : Erro(std::move(mensagem)), causa_(std::move(causa)) {}
    const QString& causa() const noexcept { return causa_; }

private:
    QString causa_;
};

// Line break between the two lines of a two-line message.
inline constexpr char16_t kQuebraLinha = u'\n';

} // namespace corvel

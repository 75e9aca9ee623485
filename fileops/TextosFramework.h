// The installer framework's user texts: its string table, each text under its fixed id. The error
// reports, the Solutions Center, the dialogs and the version text all read their texts here.
#pragma once

#include <span>
#include <string_view>

namespace kt {

namespace ids {

// File-operation errors: problem and solution of each row of the report tables.
inline constexpr int kDiscoNaoPronto = 65316;
inline constexpr int kDiscoNaoProntoSolucao = 65317;
inline constexpr int kAcessoNegado = 65318;
inline constexpr int kAcessoNegadoSolucao = 65319;
inline constexpr int kDiscoCheio = 65320;
inline constexpr int kDiscoCheioSolucao = 65321;
inline constexpr int kDiscoProtegido = 65322;
inline constexpr int kDiscoProtegidoSolucao = 65323;
inline constexpr int kDiscoNaoDOS = 65324;
inline constexpr int kDiscoNaoDOSSolucao = 65325;
inline constexpr int kJaExiste = 65326;
inline constexpr int kJaExisteSolucao = 65327;
inline constexpr int kImpossivelCriar = 65296;
inline constexpr int kImpossivelCriarSolucao = 65297;
inline constexpr int kViolacaoCompartilhamento = 65298;
inline constexpr int kViolacaoCompartilhamentoSolucao = 65299;
inline constexpr int kCaminhoInvalido = 65300;
inline constexpr int kCaminhoInvalidoSolucao = 65301;
inline constexpr int kSemMemoria = 65302;
inline constexpr int kSemMemoriaSolucao = 65303;
inline constexpr int kViolacaoDeAcesso = 65304;
inline constexpr int kViolacaoDeAcessoSolucao = 65305;
inline constexpr int kErroInesperado = 65314;
// Carries "%d" for the thread's last Windows error code.
inline constexpr int kErroInesperadoSolucao = 65315;
inline constexpr int kCopiaImpossivel = 65310;
inline constexpr int kCopiaSemOrigem = 65311;
inline constexpr int kCopiaSobreSiMesmo = 65280;
inline constexpr int kAtalhoImpossivel = 65306;
inline constexpr int kAtalhoSolucao = 65307;
inline constexpr int kVersaoIlegivel = 65308;
inline constexpr int kVersaoSolucao = 65309;
inline constexpr int kSemSolucao = 65282;

// Where the framework's help file is: value, key under HKEY_LOCAL_MACHINE, file name.
inline constexpr int kValorLocal = 65285;
inline constexpr int kChaveFramework = 65286;
inline constexpr int kArquivoAjuda = 65287;

// Solutions Center.
inline constexpr int kModulo = 65256;
inline constexpr int kArquivos = 65257;
inline constexpr int kProblema = 65258;
inline constexpr int kSolucao = 65259;
inline constexpr int kNaoInformado = 65260;
inline constexpr int kNenhumArquivo = 65261;

// Insert-disk prompt: "%s" for the disk number, then for the set name.
inline constexpr int kInsiraDisco = 65232;
inline constexpr int kSair = 65233;

// Directory browser and new-folder dialog: "%s" for the directory.
inline constexpr int kExcluirDiretorio = 65234;
inline constexpr int kNovaPasta = 65262;

// The words of a version in words.
inline constexpr int kDistribuicao = 65235;
inline constexpr int kConstrucao = 65236;
inline constexpr int kPatch = 65237;

} // namespace ids

struct TTextoFramework {
    int Id;
    std::wstring_view Texto;
};

// The whole table, one entry per id.
std::span<const TTextoFramework> TabelaTextosFramework();

// The text of a string-table entry; empty for an id the table does not hold.
std::wstring_view TextoFramework(int id);

// The captions of the message boxes of the framework's windows, the wizard and the copy.
namespace textos_caixas {
inline constexpr const wchar_t* kInformacao = L"Informação";
inline constexpr const wchar_t* kConfirmacao = L"Confirmação";
} // namespace textos_caixas

} // namespace kt

/* Pontilha: os scripts do curso de Braille. */
// Every page of the course loads this file. It runs from disk (file://) in a current browser:
// plain JavaScript, no framework, no network.
var Pontilha = (function() {
    "use strict";

    // The signs of the Grafia Braille para a Língua Portuguesa (Ministério da Educação, 3rd
    // edition, 2018) that the course teaches: the raised dots of each sign, numbered 1-2-3 down
    // the left column of the cell and 4-5-6 down the right one. The Portuguese code gives "ê" and
    // "(" the same cell (1 2 6), and "ã" and ")" the same cell (3 4 5); the reader tells them
    // apart by context. The tools that draw the course's images and animations read this table
    // from here, so it stays plain JSON between its two markers.
    // clang-format off
    const GRAFIA = /* GRAFIA { */ {
        "a": "1", "b": "12", "c": "14", "d": "145", "e": "15",
        "f": "124", "g": "1245", "h": "125", "i": "24", "j": "245",
        "k": "13", "l": "123", "m": "134", "n": "1345", "o": "135",
        "p": "1234", "q": "12345", "r": "1235", "s": "234", "t": "2345",
        "u": "136", "v": "1236", "x": "1346", "y": "13456", "z": "1356",
        "w": "2456", "ç": "12346",
        "á": "12356", "é": "123456", "í": "34", "ó": "346", "ú": "23456",
        "à": "1246", "â": "16", "ê": "126", "ô": "1456",
        "ã": "345", "õ": "246", "ü": "1256",
        ",": "2", ";": "23", ":": "25", ".": "3", "?": "26", "!": "235",
        "-": "36", "\"": "236", "(": "126", ")": "345",
        "sinal de número": "3456", "sinal de maiúscula": "46"
    } /* } GRAFIA */;
    // clang-format on

    // After the number sign, the digits 1 to 9 and 0 are the ten letters of the first series.
    const ALGARISMOS = "1234567890";
    const PRIMEIRA_SERIE = "abcdefghij";
    const MAIUSCULA = GRAFIA["sinal de maiúscula"];

    function ehLetra(c) { return c.toLowerCase() !== c.toUpperCase(); }

    function ehMaiuscula(c) { return ehLetra(c) && c === c.toUpperCase(); }

    function ehAlgarismo(c) { return c !== undefined && c >= "0" && c <= "9"; }

    function sinal(c) {
        const pontos = GRAFIA[c];
        if (pontos === undefined) {
            throw new Error("Sinal sem transcrição em Braille: «" + c + "»");
        }
        return pontos;
    }

    // One capital sign before a capital letter; two before a word written all in capitals.
    function escreverPalavra(palavra, celas) {
        const todaMaiuscula = palavra.length > 1 && palavra === palavra.toUpperCase();
        if (todaMaiuscula) {
            celas.push(MAIUSCULA, MAIUSCULA);
        }
        for (const c of palavra) {
            if (!todaMaiuscula && ehMaiuscula(c)) {
                celas.push(MAIUSCULA);
            }
            celas.push(sinal(c.toLowerCase()));
        }
    }

    // A number goes on through a decimal comma or a thousands point that a digit follows, and
    // takes a single number sign.
    function fimDoNumero(texto, inicio) {
        let i = inicio;
        while (ehAlgarismo(texto[i]) ||
               ((texto[i] === "," || texto[i] === ".") && ehAlgarismo(texto[i + 1]))) {
            i++;
        }
        return i;
    }

    function escreverNumero(numero, celas) {
        celas.push(GRAFIA["sinal de número"]);
        for (const c of numero) {
            celas.push(ehAlgarismo(c) ? sinal(PRIMEIRA_SERIE[ALGARISMOS.indexOf(c)]) : sinal(c));
        }
    }

    // The print text as Braille cells, each the string of its raised dots ("" is a blank cell).
    function transcrever(texto) {
        const celas = [];
        let i = 0;
        while (i < texto.length) {
            const c = texto[i];
            let fim = i + 1;
            if (ehLetra(c)) {
                while (fim < texto.length && ehLetra(texto[fim])) {
                    fim++;
                }
                escreverPalavra(texto.slice(i, fim), celas);
            } else if (ehAlgarismo(c)) {
                fim = fimDoNumero(texto, i);
                escreverNumero(texto.slice(i, fim), celas);
            } else {
                celas.push(c === " " ? "" : sinal(c));
            }
            i = fim;
        }
        return celas;
    }

    // Unicode's Braille patterns start at U+2800; dot n sets bit n - 1.
    function celaEmUnicode(pontos) {
        let codigo = 0x2800;
        for (const p of pontos) {
            codigo += 1 << (Number(p) - 1);
        }
        return String.fromCharCode(codigo);
    }

    function emUnicode(texto) { return transcrever(texto).map(celaEmUnicode).join(""); }

    function descreverCela(pontos) { return pontos === "" ? "espaço" : pontos.split("").join(" "); }

    function descreverPontos(texto) { return transcrever(texto).map(descreverCela).join(" + "); }

    function criar(tag, classe, texto) {
        const elemento = document.createElement(tag);
        if (classe) {
            elemento.className = classe;
        }
        if (texto !== undefined) {
            elemento.textContent = texto;
        }
        return elemento;
    }

    function embaralhar(lista) {
        for (let i = lista.length - 1; i > 0; i--) {
            const j = Math.floor(Math.random() * (i + 1));
            [lista[i], lista[j]] = [ lista[j], lista[i] ];
        }
        return lista;
    }

    function normalizar(texto) { return texto.trim().toLowerCase().replace(/\s+/g, " "); }

    function esperar(ms) {
        return new Promise(function(resolver) { setTimeout(resolver, ms); });
    }

    // ---------------------------------------------------------------------------------------
    // Animations: the cells of a text appear one by one, the same movie that the page offers
    // as an SWF file for the players that still show it.

    const reduzirMovimento =
        window.matchMedia && window.matchMedia("(prefers-reduced-motion: reduce)").matches;

    function Animacao(figura) {
        const texto = figura.dataset.texto;
        const palco = figura.querySelector(".palco");
        const celas = transcrever(texto).map(function(pontos) {
            const cela = criar("span", "cela-animada", celaEmUnicode(pontos));
            palco.appendChild(cela);
            return cela;
        });
        palco.setAttribute("aria-label", texto + " em Braille");
        const botao = criar("button", "botao", "Pausar");
        botao.type = "button";
        figura.querySelector(".controles").appendChild(botao);
        let visiveis = 0;
        let relogio = null;

        function mostrar(n) {
            visiveis = n;
            celas.forEach(function(cela, i) { cela.classList.toggle("oculta", i >= n); });
        }
        function parar() {
            clearInterval(relogio);
            relogio = null;
            botao.textContent = visiveis >= celas.length ? "Recomeçar" : "Continuar";
        }
        function avancar() {
            mostrar(visiveis + 1);
            if (visiveis >= celas.length) {
                parar();
            }
        }
        function tocar() {
            if (visiveis >= celas.length) {
                mostrar(0);
            }
            botao.textContent = "Pausar";
            relogio = setInterval(avancar, 500);
        }
        botao.addEventListener("click", function() {
            if (relogio) {
                parar();
            } else {
                tocar();
            }
        });
        if (reduzirMovimento) {
            mostrar(celas.length);
            parar();
        } else {
            mostrar(0);
            tocar();
        }
        this.texto = texto;
        this.avancar = avancar;
        this.completa = function() { return visiveis >= celas.length; };
        this.mostrada = function() {
            return celas.filter(function(cela) { return !cela.classList.contains("oculta"); })
                .map(function(cela) { return cela.textContent; })
                .join("");
        };
    }

    // ---------------------------------------------------------------------------------------
    // Exercises: "Que letra é esta?" (choose), "Escreva em Braille" (press the dots) and
    // "Leia a palavra" (type what the cells say). Each exercise keeps its answer in data-resposta.

    function avisar(exercicio, certo, texto) {
        const aviso = exercicio.querySelector(".aviso");
        aviso.textContent = texto;
        aviso.classList.toggle("certo", certo);
        aviso.classList.toggle("errado", !certo);
        exercicio.dataset.resultado = certo ? "certo" : "errado";
    }

    function iniciarEscolha(exercicio) {
        const resposta = exercicio.dataset.resposta;
        exercicio.querySelectorAll("button.opcao").forEach(function(opcao) {
            opcao.addEventListener("click", function() {
                const certo = opcao.textContent.trim() === resposta;
                avisar(exercicio, certo,
                       certo ? "Certo! Está escrito «" + resposta + "»."
                             : "Ainda não. Confira os pontos: " + descreverPontos(resposta) + ".");
            });
        });
    }

    // A cell of six toggle buttons laid out as the dots are, 1 2 3 down the left column.
    function CelaDeBotoes(recipiente) {
        const botoes = [];
        const grade = criar("div", "cela-botoes");
        [1, 4, 2, 5, 3, 6].forEach(function(ponto) {
            const botao = criar("button", "ponto", String(ponto));
            botao.type = "button";
            botao.setAttribute("aria-pressed", "false");
            botao.setAttribute("aria-label", "ponto " + ponto);
            botao.addEventListener("click", function() {
                botao.setAttribute("aria-pressed", botao.getAttribute("aria-pressed") === "true"
                                                       ? "false"
                                                       : "true");
            });
            botoes[ponto] = botao;
            grade.appendChild(botao);
        });
        recipiente.prepend(grade);
        this.pontos = function() {
            let pontos = "";
            for (let p = 1; p <= 6; p++) {
                if (botoes[p].getAttribute("aria-pressed") === "true") {
                    pontos += p;
                }
            }
            return pontos;
        };
        this.marcar = function(pontos) {
            for (let p = 1; p <= 6; p++) {
                botoes[p].setAttribute("aria-pressed",
                                       pontos.indexOf(String(p)) >= 0 ? "true" : "false");
            }
        };
    }

    function iniciarEscrita(exercicio) {
        const resposta = exercicio.dataset.resposta;
        const cela = new CelaDeBotoes(exercicio.querySelector(".area"));
        exercicio.celaDeBotoes = cela;
        exercicio.querySelector("button.conferir").addEventListener("click", function() {
            const certo = cela.pontos() === sinal(resposta);
            avisar(
                exercicio, certo,
                certo ? "Certo! «" + resposta + "» tem os pontos " + descreverPontos(resposta) + "."
                      : "Ainda não. Você marcou " +
                            (cela.pontos() === "" ? "nenhum ponto"
                                                  : "os pontos " + descreverCela(cela.pontos())) +
                            ".");
        });
    }

    function iniciarLeitura(exercicio) {
        const resposta = exercicio.dataset.resposta;
        const campo = exercicio.querySelector("input");
        exercicio.querySelector("button.conferir").addEventListener("click", function() {
            const certo = normalizar(campo.value) === normalizar(resposta);
            avisar(exercicio, certo,
                   certo ? "Certo! Está escrito «" + resposta + "»."
                         : "Ainda não. Leia de novo, cela por cela, da esquerda para a direita.");
        });
    }

    // ---------------------------------------------------------------------------------------
    // The final exam: every question is a group of radio buttons; unanswered ones count as wrong.

    const NOTA_PARA_APROVACAO = 0.7;

    function iniciarExame(formulario) {
        const questoes = Array.from(formulario.querySelectorAll(".questao-exame"));
        const resultado = formulario.querySelector(".resultado");
        formulario.addEventListener("submit", function(evento) {
            evento.preventDefault();
            let acertos = 0;
            let semResposta = 0;
            questoes.forEach(function(questao) {
                const marcada = questao.querySelector("input:checked");
                const certa = marcada !== null && marcada.value === questao.dataset.resposta;
                if (marcada === null) {
                    semResposta++;
                }
                if (certa) {
                    acertos++;
                }
                questao.classList.toggle("certa", certa);
                questao.classList.toggle("errada", !certa);
            });
            let texto = "Você acertou " + acertos + " de " + questoes.length + " questões. ";
            if (semResposta > 0) {
                texto +=
                    (semResposta === 1 ? "Uma questão ficou" : semResposta + " questões ficaram") +
                    " sem resposta. ";
            }
            texto += acertos >= NOTA_PARA_APROVACAO * questoes.length
                         ? "Parabéns, você foi aprovado no exame do Pontilha!"
                         : "Reveja as lições das questões marcadas e tente de novo.";
            resultado.textContent = texto;
            resultado.dataset.acertos = String(acertos);
        });
    }

    // ---------------------------------------------------------------------------------------
    // Hangman. Its words are the lines of words.txt. A page opened from disk cannot read a file
    // beside it (browsers refuse fetch() and XMLHttpRequest on file:// addresses), so this copy
    // of the list is what the game uses there; served over HTTP, it reads words.txt itself. The
    // player can also load a list of his own with the file field. Words use a-z and ç only: the
    // keyboard has those 27 cells.

    // clang-format off
    const PALAVRAS_DA_FORCA = [
        "abelha", "abraço", "amigo", "banana", "bicicleta", "bola", "braille", "cadeira",
        "caderno", "caixa", "casa", "cavalo", "cela", "cidade", "criança", "dedos",
        "escola", "escrita", "estrela", "floresta", "formiga", "girafa", "hospital", "janela",
        "jardim", "kiwi", "laranja", "leitura", "letra", "livro", "macaco", "moeda",
        "navio", "ovelha", "palhaço", "panela", "pipoca", "ponto", "queijo", "reglete",
        "sapato", "sorvete", "tartaruga", "tesoura", "uva", "vassoura", "vento", "zebra"
    ];
    // clang-format on
    const LETRAS_DO_TECLADO = "abcdefghijklmnopqrstuvwxyzç";
    const ERROS_PERMITIDOS = 6;

    function palavrasDaLista(texto) {
        return texto.replace(/^\uFEFF/, "")
            .split(/\r?\n/)
            .map(normalizar)
            .filter(function(palavra) {
                return palavra.length > 1 && Array.from(palavra).every(function(
                                                 c) { return LETRAS_DO_TECLADO.indexOf(c) >= 0; });
            });
    }

    function Forca(raiz) {
        const self = this;
        let palavras = PALAVRAS_DA_FORCA.slice();
        let palavra = "";
        let tentadas = new Set();
        let erros = 0;
        const quadro = raiz.querySelector(".palavra");
        const quadroBraille = raiz.querySelector(".palavra-braille");
        const situacao = raiz.querySelector(".situacao");
        const partes = raiz.querySelectorAll(".parte");
        const teclado = raiz.querySelector(".teclado");
        const teclas = {};

        Array.from(LETRAS_DO_TECLADO).forEach(function(letra) {
            const tecla = criar("button", "tecla", celaEmUnicode(sinal(letra)));
            tecla.type = "button";
            tecla.dataset.letra = letra;
            tecla.setAttribute("aria-label", "pontos " + descreverCela(sinal(letra)));
            tecla.addEventListener("click", function() { self.tentar(letra); });
            teclas[letra] = tecla;
            teclado.appendChild(tecla);
        });

        function terminou() {
            return erros >= ERROS_PERMITIDOS ||
                   Array.from(palavra).every(function(c) { return tentadas.has(c); });
        }
        function desenhar() {
            const letras = Array.from(palavra);
            quadro.textContent =
                letras.map(function(c) { return tentadas.has(c) ? c : "_"; }).join(" ");
            quadroBraille.textContent =
                letras
                    .map(function(
                        c) { return tentadas.has(c) ? celaEmUnicode(sinal(c)) : "\u2800"; })
                    .join("");
            partes.forEach(function(
                parte, i) { parte.style.visibility = i < erros ? "visible" : "hidden"; });
            Object.keys(teclas).forEach(function(
                letra) { teclas[letra].disabled = tentadas.has(letra) || terminou(); });
            if (erros >= ERROS_PERMITIDOS) {
                situacao.textContent = "Não foi dessa vez. A palavra era «" + palavra + "».";
                raiz.dataset.estado = "perdeu";
            } else if (terminou()) {
                situacao.textContent = "Você acertou! A palavra é «" + palavra + "».";
                raiz.dataset.estado = "ganhou";
            } else {
                situacao.textContent = "Erros: " + erros + " de " + ERROS_PERMITIDOS +
                                       ". A palavra tem " + palavra.length + " letras.";
                raiz.dataset.estado = "jogando";
            }
        }
        this.novaPalavra = function(escolhida) {
            palavra = escolhida || palavras[Math.floor(Math.random() * palavras.length)];
            tentadas = new Set();
            erros = 0;
            desenhar();
        };
        this.tentar = function(letra) {
            if (terminou() || tentadas.has(letra) || LETRAS_DO_TECLADO.indexOf(letra) < 0) {
                return;
            }
            tentadas.add(letra);
            if (palavra.indexOf(letra) < 0) {
                erros++;
            }
            desenhar();
        };
        this.usarLista = function(lista) {
            if (lista.length > 0) {
                palavras = lista;
                self.novaPalavra();
            }
            return lista.length;
        };

        raiz.querySelector(".nova").addEventListener("click", function() { self.novaPalavra(); });
        document.addEventListener("keydown", function(evento) {
            const modificada = evento.ctrlKey || evento.altKey || evento.metaKey;
            if (!modificada && evento.target.tagName !== "INPUT" && evento.key &&
                evento.key.length === 1) {
                self.tentar(evento.key.toLowerCase());
            }
        });
        const arquivo = raiz.querySelector("input[type=file]");
        arquivo.addEventListener("change", function() {
            if (arquivo.files.length === 0) {
                return;
            }
            const leitor = new FileReader();
            leitor.onload = function() {
                const usadas = self.usarLista(palavrasDaLista(String(leitor.result)));
                raiz.querySelector(".lista").textContent =
                    usadas > 0 ? "Lista carregada: " + usadas + " palavras."
                               : "O arquivo não tem palavras que o jogo use.";
            };
            leitor.readAsText(arquivo.files[0], "utf-8");
        });
        if (location.protocol === "http:" || location.protocol === "https:") {
            fetch("words.txt")
                .then(function(resposta) { return resposta.ok ? resposta.text() : ""; })
                .then(function(texto) { self.usarLista(palavrasDaLista(texto)); })
                .catch(function() {}); // the built-in copy stays in use
        }
        this.novaPalavra();
    }

    // ---------------------------------------------------------------------------------------
    // Memory game: eight pairs, each a print letter and its Braille cell.

    const PARES_DA_MEMORIA = 8;
    const LETRAS_DA_MEMORIA = "abcdefghijklmnopqrstuvxzwç";

    function Memoria(raiz) {
        const self = this;
        const mesa = raiz.querySelector(".mesa");
        const situacao = raiz.querySelector(".situacao");
        let viradas = [];
        let jogadas = 0;
        let encontrados = 0;
        this.espera = 900;

        function rotulo(carta) {
            carta.setAttribute("aria-label", carta.classList.contains("aberta")
                                                 ? carta.dataset.descricao
                                                 : "carta fechada");
        }
        function fechar(carta) {
            carta.classList.remove("aberta");
            carta.textContent = "";
            rotulo(carta);
        }
        function abrir(carta) {
            carta.classList.add("aberta");
            carta.textContent = carta.dataset.face;
            rotulo(carta);
        }
        function informar() {
            situacao.textContent = encontrados === PARES_DA_MEMORIA
                                       ? "Parabéns! Você encontrou os " + PARES_DA_MEMORIA +
                                             " pares em " + jogadas + " jogadas."
                                       : "Pares encontrados: " + encontrados + " de " +
                                             PARES_DA_MEMORIA + ". Jogadas: " + jogadas + ".";
            raiz.dataset.estado = encontrados === PARES_DA_MEMORIA ? "completo" : "jogando";
        }
        function conferir() {
            jogadas++;
            const [primeira, segunda] = viradas;
            if (primeira.dataset.par === segunda.dataset.par) {
                primeira.classList.add("achada");
                segunda.classList.add("achada");
                primeira.disabled = segunda.disabled = true;
                encontrados++;
                viradas = [];
                informar();
                return;
            }
            informar();
            setTimeout(function() {
                fechar(primeira);
                fechar(segunda);
                viradas = [];
            }, self.espera);
        }
        function virar(carta) {
            if (viradas.length === 2 || carta.classList.contains("aberta")) {
                return;
            }
            abrir(carta);
            viradas.push(carta);
            if (viradas.length === 2) {
                conferir();
            }
        }
        function carta(letra, face, descricao) {
            const botao = criar("button", "carta");
            botao.type = "button";
            botao.dataset.par = letra;
            botao.dataset.face = face;
            botao.dataset.descricao = descricao;
            botao.addEventListener("click", function() { virar(botao); });
            fechar(botao);
            return botao;
        }
        this.novoJogo = function() {
            mesa.textContent = "";
            viradas = [];
            jogadas = 0;
            encontrados = 0;
            const letras = embaralhar(Array.from(LETRAS_DA_MEMORIA)).slice(0, PARES_DA_MEMORIA);
            const cartas = [];
            letras.forEach(function(letra) {
                cartas.push(carta(letra, letra, "letra " + letra));
                cartas.push(carta(letra, celaEmUnicode(sinal(letra)),
                                  "cela braille, pontos " + descreverCela(sinal(letra))));
            });
            embaralhar(cartas).forEach(function(c) { mesa.appendChild(c); });
            informar();
        };
        raiz.querySelector(".nova").addEventListener("click", this.novoJogo);
        this.novoJogo();
    }

    // ---------------------------------------------------------------------------------------
    // Self-check: what a page can verify about itself once loaded. The course's tests open every
    // page in a headless browser and call autoteste(); the result lists every failure.

    const jogos = {};
    const animacoes = [];

    function Verificacao() {
        this.feitas = 0;
        this.falhas = [];
        this.confirmar = function(condicao, descricao) {
            this.feitas++;
            if (!condicao) {
                this.falhas.push(descricao);
            }
        };
    }

    function conferirTranscricoes(v) {
        document.querySelectorAll(".braille[data-tinta]").forEach(function(elemento) {
            const esperado = emUnicode(elemento.dataset.tinta);
            v.confirmar(elemento.textContent === esperado, "Braille de «" + elemento.dataset.tinta +
                                                               "»: " + elemento.textContent +
                                                               " em vez de " + esperado);
        });
        document.querySelectorAll(".pontos[data-tinta]").forEach(function(elemento) {
            const esperado = descreverPontos(elemento.dataset.tinta);
            v.confirmar(elemento.textContent === esperado, "pontos de «" + elemento.dataset.tinta +
                                                               "»: " + elemento.textContent +
                                                               " em vez de " + esperado);
        });
    }

    function carregada(imagem) {
        if (imagem.complete) {
            return Promise.resolve();
        }
        return new Promise(function(resolver) {
            imagem.addEventListener("load", resolver);
            imagem.addEventListener("error", resolver);
        });
    }

    async function conferirImagens(v) {
        for (const imagem of document.images) {
            await carregada(imagem);
            v.confirmar(imagem.naturalWidth > 0,
                        "a imagem " + imagem.getAttribute("src") + " não abriu");
            v.confirmar(imagem.alt.trim() !== "",
                        "a imagem " + imagem.getAttribute("src") + " não tem texto alternativo");
        }
    }

    async function conferirSons(v) {
        for (const som of document.querySelectorAll("audio")) {
            if (som.readyState < 1) {
                await Promise.race([
                    esperar(5000), new Promise(function(resolver) {
                        som.addEventListener("loadedmetadata", resolver);
                        som.addEventListener("error", resolver);
                    })
                ]);
            }
            v.confirmar(som.duration > 0, "o som " + som.currentSrc + " não abriu");
        }
    }

    function conferirAnimacoes(v) {
        animacoes.forEach(function(animacao) {
            while (!animacao.completa()) {
                animacao.avancar();
            }
            v.confirmar(animacao.mostrada() === emUnicode(animacao.texto),
                        "a animação de «" + animacao.texto + "» não mostrou todas as celas");
        });
    }

    function clicar(elemento) { elemento.dispatchEvent(new MouseEvent("click", {bubbles : true})); }

    function conferirExercicios(v) {
        document.querySelectorAll(".exercicio.escolha").forEach(function(exercicio) {
            const opcoes = Array.from(exercicio.querySelectorAll("button.opcao"));
            const certa = opcoes.find(function(
                opcao) { return opcao.textContent.trim() === exercicio.dataset.resposta; });
            v.confirmar(certa !== undefined, "o exercício de «" + exercicio.dataset.resposta +
                                                 "» não tem a resposta entre as opções");
            clicar(opcoes.find(function(opcao) { return opcao !== certa; }));
            v.confirmar(exercicio.dataset.resultado === "errado", "uma opção errada foi aceita");
            if (certa) {
                clicar(certa);
            }
            v.confirmar(exercicio.dataset.resultado === "certo", "a opção certa foi recusada");
        });
        document.querySelectorAll(".exercicio.escrita").forEach(function(exercicio) {
            const conferir = exercicio.querySelector("button.conferir");
            exercicio.celaDeBotoes.marcar("");
            clicar(conferir);
            v.confirmar(exercicio.dataset.resultado === "errado", "uma cela vazia foi aceita");
            Array.from(sinal(exercicio.dataset.resposta)).forEach(function(ponto) {
                clicar(exercicio.querySelector("button.ponto[aria-label='ponto " + ponto + "']"));
            });
            clicar(conferir);
            v.confirmar(exercicio.dataset.resultado === "certo",
                        "os pontos de «" + exercicio.dataset.resposta + "» foram recusados");
        });
        document.querySelectorAll(".exercicio.leitura").forEach(function(exercicio) {
            const campo = exercicio.querySelector("input");
            const conferir = exercicio.querySelector("button.conferir");
            campo.value = exercicio.dataset.resposta + "x";
            clicar(conferir);
            v.confirmar(exercicio.dataset.resultado === "errado", "uma leitura errada foi aceita");
            campo.value = "  " + exercicio.dataset.resposta.toUpperCase() + " ";
            clicar(conferir);
            v.confirmar(exercicio.dataset.resultado === "certo",
                        "a leitura de «" + exercicio.dataset.resposta + "» foi recusada");
            campo.value = "";
        });
    }

    function conferirExame(v) {
        const formulario = document.querySelector("form.exame");
        if (!formulario) {
            return;
        }
        const questoes = Array.from(formulario.querySelectorAll(".questao-exame"));
        const resultado = formulario.querySelector(".resultado");
        const corrigir = function() {
            formulario.requestSubmit();
            return Number(resultado.dataset.acertos);
        };
        questoes.forEach(function(questao) {
            v.confirmar(questao.querySelector("input[value='" + questao.dataset.resposta + "']") !==
                            null,
                        "uma questão do exame não tem a sua resposta entre as opções");
            questao.querySelector("input[value='" + questao.dataset.resposta + "']").checked = true;
        });
        v.confirmar(corrigir() === questoes.length, "o exame todo certo não teve nota máxima");
        v.confirmar(/aprovado/.test(resultado.textContent), "o exame todo certo não aprovou");
        questoes.slice(0, 4).forEach(function(questao) {
            questao.querySelector("input:not([value='" + questao.dataset.resposta + "'])").checked =
                true;
        });
        questoes[4].querySelector("input:checked").checked = false;
        v.confirmar(corrigir() === questoes.length - 5,
                    "o exame com cinco erros teve a nota errada");
        v.confirmar(/Uma questão ficou sem resposta/.test(resultado.textContent) &&
                        /tente de novo/.test(resultado.textContent),
                    "o exame com cinco erros não pediu revisão");
        formulario.reset();
        resultado.textContent = "";
    }

    function conferirForca(v) {
        const forca = jogos.forca;
        if (!forca) {
            return;
        }
        const raiz = document.querySelector(".forca");
        v.confirmar(palavrasDaLista("\uFEFFCasa\r\nbraille\npé\n\nk\n").join(",") ===
                        "casa,braille",
                    "a leitura de uma lista de palavras");
        PALAVRAS_DA_FORCA.forEach(function(palavra) {
            v.confirmar(palavrasDaLista(palavra).length === 1,
                        "a palavra «" + palavra + "» não cabe no teclado");
        });
        forca.novaPalavra("abraço");
        "abrço".split("").forEach(function(
            letra) { clicar(raiz.querySelector(".tecla[data-letra='" + letra + "']")); });
        v.confirmar(raiz.dataset.estado === "ganhou", "a forca não reconheceu a palavra completa");
        v.confirmar(raiz.querySelector(".palavra-braille").textContent === emUnicode("abraço"),
                    "a forca não mostrou a palavra em Braille");
        forca.novaPalavra("uva");
        "bcdefg".split("").forEach(function(letra) { forca.tentar(letra); });
        v.confirmar(raiz.dataset.estado === "perdeu", "a forca não terminou depois de seis erros");
        forca.novaPalavra();
    }

    async function conferirMemoria(v) {
        const memoria = jogos.memoria;
        if (!memoria) {
            return;
        }
        const raiz = document.querySelector(".memoria");
        memoria.espera = 10;
        memoria.novoJogo();
        const cartas = Array.from(raiz.querySelectorAll(".carta"));
        v.confirmar(cartas.length === 2 * PARES_DA_MEMORIA,
                    "a mesa não tem " + 2 * PARES_DA_MEMORIA + " cartas");
        const primeira = cartas[0];
        const diferente =
            cartas.find(function(c) { return c.dataset.par !== primeira.dataset.par; });
        clicar(primeira);
        clicar(diferente);
        await esperar(50);
        v.confirmar(!primeira.classList.contains("aberta") &&
                        !diferente.classList.contains("aberta"),
                    "um par errado ficou aberto");
        cartas.forEach(function(c) {
            if (!c.classList.contains("achada")) {
                clicar(c);
                clicar(cartas.find(function(
                    outra) { return outra !== c && outra.dataset.par === c.dataset.par; }));
            }
        });
        v.confirmar(raiz.dataset.estado === "completo",
                    "o jogo da memória não terminou com todos os pares");
        v.confirmar(/em 9 jogadas/.test(raiz.querySelector(".situacao").textContent),
                    "o jogo da memória contou mal as jogadas");
        memoria.espera = 900;
        memoria.novoJogo();
    }

    async function autoteste() {
        const v = new Verificacao();
        conferirTranscricoes(v);
        await conferirImagens(v);
        await conferirSons(v);
        conferirAnimacoes(v);
        conferirExercicios(v);
        conferirExame(v);
        conferirForca(v);
        await conferirMemoria(v);
        return {verificacoes : v.feitas, falhas : v.falhas};
    }

    function iniciar() {
        document.querySelectorAll(".animacao[data-texto]")
            .forEach(function(figura) { animacoes.push(new Animacao(figura)); });
        document.querySelectorAll(".exercicio.escolha").forEach(iniciarEscolha);
        document.querySelectorAll(".exercicio.escrita").forEach(iniciarEscrita);
        document.querySelectorAll(".exercicio.leitura").forEach(iniciarLeitura);
        document.querySelectorAll("form.exame").forEach(iniciarExame);
        const forca = document.querySelector(".forca");
        if (forca) {
            jogos.forca = new Forca(forca);
        }
        const memoria = document.querySelector(".memoria");
        if (memoria) {
            jogos.memoria = new Memoria(memoria);
        }
    }

    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", iniciar);
    } else {
        iniciar();
    }

    return {
        transcrever : transcrever,
        emUnicode : emUnicode,
        descreverPontos : descreverPontos,
        autoteste : autoteste
    };
})();

# Fails when the program is larger than its budget; prints its size either way.
# Usage: cmake -DPROGRAMA=FILE -DORCAMENTO=BYTES -P verificar_tamanho.cmake
file(SIZE "${PROGRAMA}" tamanho)
math(EXPR folga "${ORCAMENTO} - ${tamanho}")
if(tamanho GREATER ORCAMENTO)
    message(FATAL_ERROR "${PROGRAMA}: ${tamanho} bytes, acima do orçamento de ${ORCAMENTO} bytes")
endif()
message(STATUS "${PROGRAMA}: ${tamanho} bytes, ${folga} abaixo do orçamento de ${ORCAMENTO} bytes")

Prime sieve (benchmark)
-----------------------
Counts the primes below 30000 with the sieve of Eratosthenes, ROUNDS times
over, and writes the count of every round. It runs many millions of
micro-steps and serves as the workbench's speed measurement.

##
N       EQU 30000
ROUNDS  EQU 30

begin   MOVE R1, ROUNDS
        STORE R1, (round)
again   MOVE R2, sieve        ; clear the sieve
clear   CLR R1
        STORE R1, (R2)
        INC R2
        CMP R2, sieve + N
        BLT clear
        CLR R1
        STORE R1, (count)
        MOVE R1, 2            ; R1 := i
next    MOVE R2, R1
        ADD R2, sieve
        MOVE R2, (R2)         ; sieve[i]: not 0 when i is composite
        BNE composite
        INC (count)
        CMP R1, 174           ; i * i >= N from here on
        BGE composite
        MOVE R2, R1
        MUL R2, R1
        ADD R2, sieve         ; R2 := address of sieve[i * i]
mark    CMP R2, sieve + N
        BGE composite
        STORE R1, (R2)        ; mark a multiple of i
        ADD R2, R1
        BRA mark
composite INC R1
        CMP R1, N
        BLT next
        MOVE R2, message
        SYS 3
        MOVE R1, (count)
        SYS 5
        MOVE R1, 13
        SYS 1
        DEC (round)
        BNE again
        HALT

message STR "Primes below 30000: "
round   DAT 0
count   DAT 0
sieve   RES N
##

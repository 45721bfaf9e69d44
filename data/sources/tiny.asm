A program for the tiny machine
------------------------------
Runs on the instruction set of sources/tiny.mca only: load that first
(Load microcode to MCROM), or run it headless with
    tav2-cli run --microcode sources/tiny.mca --regs sources/tiny.asm
It has no output: look at R1 (9) and R2 (3) when it halts.

##
begin   SET R1, 2
        SET R2, 3
        ADD R1, R2            ; R1 := 2 + 3
        ADD R1, 4             ; R1 := 5 + 4
        HALT
##

Using SWAP
----------
SWAP is not in the default instruction set: load sources/swap.mca first
(Load microcode to MCROM), then assemble this program, or run it headless
with
    tav2-cli run --microcode sources/swap.mca sources/swap.asm

##
begin   MOVE R1, 1
        MOVE R2, 2
        SWAP R1, R2           ; R1 := 2, R2 := 1
        SYS 5                 ; writes 2, the old R2
        MOVE R1, 32
        SYS 1                 ; a blank
        MOVE R1, R2
        SYS 5                 ; writes 1, the old R1
        MOVE R1, 13
        SYS 1
        HALT
##

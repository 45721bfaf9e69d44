Exercise 3, a wrong solution
----------------------------
The mistake: BHI, the unsigned "higher", after CMP. CMP leaves C alone,
so BHI branches whenever the numbers differ.

##
begin   SYS 6
        MOVE R2, R1
        SYS 6
        CMP R2, R1
        BHI first             ; the first is higher?
        BRA write
first   MOVE R1, R2
write   SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##

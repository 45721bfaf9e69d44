A trap and its vector
---------------------
TRAPn pushes PC and jumps to the address stored at FFFF - n (the trap
vector). The vector of TRAP1 is the word at FFFE; ORG places the handler's
address there. The handler returns with RTS.

##
begin   MOVE R2, before
        SYS 3
        TRAP1                 ; call the handler through its vector
        MOVE R2, after
        SYS 3
        MOVE R1, 13
        SYS 1                 ; end the line
        HALT

handler MOVE R2, inside
        SYS 3
        RTS

before  STR "before the trap"
inside  STR ", in the handler"
after   STR ", after the trap"

        ORG 0xFFFE
        DAT handler           ; vector of TRAP1
##

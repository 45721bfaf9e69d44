Exercise 3, reference solution
------------------------------
CMP sets N, Z and V from R1 - R2; BGE is the signed "greater or equal".

##
begin   SYS 6
        MOVE R2, R1           ; R2 := the first number
        SYS 6                 ; R1 := the second number
        CMP R1, R2
        BGE write             ; the second is the larger (or equal)
        MOVE R1, R2           ; else the first
write   SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##

Hi
--
##
begin   MOVE R2, greeting
        SYS 3
        HALT
greeting STR "Hi!"
##
